-- Column mapping of the employee import, in the order the wizard lists it.
-- The default headings are those of the employee export, so an exported
-- workbook reads back without remapping. The left flag and the photo path
-- are not in the export and are not offered.
INSERT INTO cfg_import(F_tablename,S_Field,F_FieldName,F_Field,F_iFlag) VALUES('t_employee','F_Code','员工编号','编号',1);
INSERT INTO cfg_import(F_tablename,S_Field,F_FieldName,F_Field,F_iFlag) VALUES('t_employee','F_Name','员工姓名','姓名',1);
INSERT INTO cfg_import(F_tablename,S_Field,F_FieldName,F_Field,F_iFlag) VALUES('t_employee','F_Sex','性别','性别',1);
INSERT INTO cfg_import(F_tablename,S_Field,F_FieldName,F_Field,F_iFlag) VALUES('t_employee','F_Dept','部门','部门',1);
INSERT INTO cfg_import(F_tablename,S_Field,F_FieldName,F_Field,F_iFlag) VALUES('t_employee','F_Duty','职务','职务',1);
INSERT INTO cfg_import(F_tablename,S_Field,F_FieldName,F_Field,F_iFlag) VALUES('t_employee','F_Phone','电话','联系电话',1);
INSERT INTO cfg_import(F_tablename,S_Field,F_FieldName,F_Field,F_iFlag) VALUES('t_employee','F_bank','银行帐号','银行帐号',1);
INSERT INTO cfg_import(F_tablename,S_Field,F_FieldName,F_Field,F_iFlag) VALUES('t_employee','F_Mem','备注信息','备注',1);
