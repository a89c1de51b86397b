-- Delivered column layouts of the list and statistics grids, one row per
-- window and column. Rows are only ever updated by the program, never added,
-- so every column whose layout may be saved must have its row here.
-- Windows that build their wage columns from the wage items carry rows for
-- their fixed key columns only.

-- 员工资料列表
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('empman','F_Code','编码',80,1,1,'','',0,0,0);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('empman','F_Name','姓名',80,1,1,'','',0,0,1);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('empman','F_Sex','性别',50,1,1,'','',0,0,2);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('empman','F_Dept','部门',90,1,1,'','',0,0,3);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('empman','F_Duty','职务',80,1,1,'','',0,0,4);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('empman','F_Phone','联系电话',100,1,1,'','',0,0,5);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('empman','F_bank','工资卡号',140,1,1,'','',0,0,6);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('empman','F_Mem','备注信息',180,1,1,'','',0,0,7);

-- 生产计件记录列表
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('shengchancountgl','F_DateTime','生产日期',90,1,1,'yyyy-MM-dd','合计：',1,1,0);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('shengchancountgl','F_ShengChanCode','生产单号',90,1,1,'','',0,0,1);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('shengchancountgl','F_EmpCode','员工编号',80,1,1,'','',0,0,2);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('shengchancountgl','F_EmpName','员工姓名',80,1,1,'','',0,0,3);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('shengchancountgl','F_Dept','班组',80,1,1,'','',0,0,4);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('shengchancountgl','F_gxCode','工序编号',80,1,1,'','',0,0,5);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('shengchancountgl','F_Name','工序名称',100,1,1,'','',0,0,6);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('shengchancountgl','F_goodName','产品名称',100,1,1,'','',0,0,7);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('shengchancountgl','F_type','产品类型',80,1,1,'','',0,0,8);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('shengchancountgl','F_spec','产品规格',80,1,1,'','',0,0,9);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('shengchancountgl','F_unit','单位',50,1,1,'','',0,0,10);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('shengchancountgl','F_Amount','数量',80,1,1,'0.00','',2,2,11);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('shengchancountgl','F_Price','计件单价',90,1,1,'￥,0.00##;-￥,0.00##','',0,2,12);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('shengchancountgl','F_TotalPrice','计件金额',100,1,1,'￥,0.00##;-￥,0.00##','',2,2,13);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('shengchancountgl','F_EditDate','制单日期',90,1,1,'yyyy-MM-dd','',0,1,14);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('shengchancountgl','F_Mem','备注信息',180,1,1,'','',0,0,15);

-- 日常应发记录列表
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('enterinman','F_Code','员工编码',80,1,1,'','合计：',1,0,0);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('enterinman','F_Name','员工姓名',80,1,1,'','',0,0,1);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('enterinman','F_ItemName','应发项目',100,1,1,'','',0,0,2);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('enterinman','F_Type','项目类型',90,1,1,'','',0,0,3);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('enterinman','F_Price','金额',100,1,1,'￥,0.00##;-￥,0.00##','',2,2,4);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('enterinman','F_Mem','说明',180,1,1,'','',0,0,5);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('enterinman','F_MakeDate','日期',90,1,1,'yyyy-MM-dd','',0,1,6);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('enterinman','F_Maker','负责人',80,1,1,'','',0,0,7);

-- 日常代扣记录列表
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('enteroutman','F_Code','员工编码',80,1,1,'','合计：',1,0,0);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('enteroutman','F_Name','员工姓名',80,1,1,'','',0,0,1);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('enteroutman','F_ItemName','代扣项目',100,1,1,'','',0,0,2);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('enteroutman','F_Type','项目类型',90,1,1,'','',0,0,3);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('enteroutman','F_Price','金额',100,1,1,'￥,0.00##;-￥,0.00##','',2,2,4);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('enteroutman','F_Mem','说明',180,1,1,'','',0,0,5);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('enteroutman','F_MakeDate','支出日期',90,1,1,'yyyy-MM-dd','',0,1,6);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('enteroutman','F_Maker','负责人',80,1,1,'','',0,0,7);

-- 工序选择对话框
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('dlggxxz','F_gxcode','工序编号',80,1,1,'','',0,0,0);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('dlggxxz','F_Name','工序名称',100,1,1,'','',0,0,1);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('dlggxxz','F_goodName','商品名称',100,1,1,'','',0,0,2);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('dlggxxz','F_type','类型',80,1,1,'','',0,0,3);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('dlggxxz','F_spec','规格',80,1,1,'','',0,0,4);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('dlggxxz','F_unit','单位',50,1,1,'','',0,0,5);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('dlggxxz','F_Price','计件单价',90,1,1,'￥,0.00##;-￥,0.00##','',0,2,6);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('dlggxxz','F_Mem','备注',150,1,1,'','',0,0,7);

-- 工资零币发放表
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('wageputout','F_Name','员工姓名',80,1,1,'','合计',1,0,0);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('wageputout','F_Code','员工编号',80,1,1,'','',0,0,1);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('wageputout','F_Price','实发金额',100,1,1,'￥,0.00;-￥,0.00','',2,2,2);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('wageputout','F_yibai','壹佰元',50,1,0,'0','',2,2,3);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('wageputout','F_wushi','伍拾元',50,1,0,'0','',2,2,4);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('wageputout','F_ershi','贰拾元',50,1,0,'0','',2,2,5);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('wageputout','F_yishi','拾元',50,1,0,'0','',2,2,6);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('wageputout','F_wuyuan','伍元',50,1,0,'0','',2,2,7);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('wageputout','F_eryuan','贰元',50,1,0,'0','',2,2,8);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('wageputout','F_yiyuan','壹元',50,1,0,'0','',2,2,9);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('wageputout','F_wujiao','伍角',50,1,0,'0','',2,2,10);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('wageputout','F_erjiao','贰角',50,1,0,'0','',2,2,11);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('wageputout','F_yijiao','壹角',50,1,0,'0','',2,2,12);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('wageputout','F_wufen','伍分',50,1,0,'0','',2,2,13);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('wageputout','F_erfen','贰分',50,1,0,'0','',2,2,14);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('wageputout','F_yifen','壹分',50,1,0,'0','',2,2,15);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('wageputout','F_dept','部门',80,0,1,'','',0,0,16);

-- 工资核算汇总统计
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('gzhstotaltj','F_code','员工编号',80,1,1,'','合计：',1,0,0);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('gzhstotaltj','F_name','员工名称',80,1,1,'','',0,0,1);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('gzhstotaltj','F_dept','部  门',90,1,1,'','',0,0,2);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('gzhstotaltj','F_yfPrice','应发工资',100,1,1,'￥,0.00;-￥,0.00','',2,2,3);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('gzhstotaltj','F_sfPrice','实发工资',100,1,1,'￥,0.00;-￥,0.00','',2,2,4);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('gzhstotaltj','F_wfPrice','余额',100,1,1,'￥,0.00;-￥,0.00','',2,2,5);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('gzhstotaltj','F_bank','员工帐号',140,1,1,'','',0,0,6);

-- 生产计件明细统计
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('scjjdetailtj','F_DateTime','生产日期',75,1,1,'yyyy-MM-dd','合计：',1,1,0);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('scjjdetailtj','F_ShengChanCode','生产单号',75,1,1,'','',0,0,1);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('scjjdetailtj','F_EmpCode','员工编号',75,1,1,'','',0,0,2);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('scjjdetailtj','F_EmpName','员工姓名',75,1,1,'','',0,0,3);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('scjjdetailtj','F_Dept','部门',75,1,1,'','',0,0,4);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('scjjdetailtj','F_gxCode','工序编号',75,1,1,'','',0,0,5);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('scjjdetailtj','F_Name','工序名称',75,1,1,'','',0,0,6);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('scjjdetailtj','F_goodName','产品名称',75,1,1,'','',0,0,7);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('scjjdetailtj','F_type','产品类型',75,1,1,'','',0,0,8);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('scjjdetailtj','F_spec','产品规格',75,1,1,'','',0,0,9);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('scjjdetailtj','F_unit','单位',75,1,1,'','',0,0,10);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('scjjdetailtj','F_Amount','数量',75,1,1,'0.00','',2,2,11);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('scjjdetailtj','F_Price','计件单价',75,1,1,'￥,0.00##;-￥,0.00##','',0,2,12);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('scjjdetailtj','F_TotalPrice','计件金额',75,1,1,'￥,0.00;-￥,0.00','',2,2,13);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('scjjdetailtj','F_EditDate','制单日期',75,1,1,'yyyy-MM-dd','',0,1,14);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('scjjdetailtj','F_Mem','备注信息',75,1,1,'','',0,0,15);

-- 生产计件汇总统计
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('scjjtotaltj','F_DateTime','生产日期',90,1,1,'yyyy-MM-dd','合计',1,1,0);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('scjjtotaltj','F_EmpCode','员工编号',80,1,1,'','',0,0,1);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('scjjtotaltj','F_EmpName','员工姓名',80,1,1,'','',0,0,2);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('scjjtotaltj','F_Dept','部门',80,1,1,'','',0,0,3);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('scjjtotaltj','F_Gxcode','工序编号',80,1,1,'','',0,0,4);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('scjjtotaltj','F_name','工序名称',100,1,1,'','',0,0,5);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('scjjtotaltj','F_goodname','商品名称',100,1,1,'','',0,0,6);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('scjjtotaltj','F_Amount','数量',80,1,1,'0.00','',2,2,7);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('scjjtotaltj','F_Price','平均单价',90,1,1,'￥,0.00##;-￥,0.00##','',0,2,8);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('scjjtotaltj','F_TotalPrice','计件金额',100,1,1,'￥,0.00;-￥,0.00','',2,2,9);

-- 员工工资汇总统计（工资项目列随工资项目生成）
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('yggztotaltj','F_Code','员工编码',60,1,1,'','合计',1,0,0);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('yggztotaltj','F_Name','员工姓名',60,1,1,'','',0,0,1);

-- 部门工资汇总统计（工资项目列随工资项目生成）
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('bmgztotaltj','F_Dept','所属部门',100,1,1,'','合计',1,0,0);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('bmgztotaltj','F_num','人数',60,1,1,'0','',0,2,1);

-- 员工工资年报
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('ygnbtotaltj','F_code','编号',80,1,1,'','合  计',1,0,0);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('ygnbtotaltj','F_name','姓名',80,1,1,'','',0,0,1);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('ygnbtotaltj','F_m1','一月',85,1,1,'￥,0.00;-￥,0.00','',2,2,2);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('ygnbtotaltj','F_m2','二月',85,1,1,'￥,0.00;-￥,0.00','',2,2,3);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('ygnbtotaltj','F_m3','三月',85,1,1,'￥,0.00;-￥,0.00','',2,2,4);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('ygnbtotaltj','F_m4','四月',85,1,1,'￥,0.00;-￥,0.00','',2,2,5);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('ygnbtotaltj','F_m5','五月',85,1,1,'￥,0.00;-￥,0.00','',2,2,6);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('ygnbtotaltj','F_m6','六月',85,1,1,'￥,0.00;-￥,0.00','',2,2,7);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('ygnbtotaltj','F_m7','七月',85,1,1,'￥,0.00;-￥,0.00','',2,2,8);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('ygnbtotaltj','F_m8','八月',85,1,1,'￥,0.00;-￥,0.00','',2,2,9);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('ygnbtotaltj','F_m9','九月',85,1,1,'￥,0.00;-￥,0.00','',2,2,10);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('ygnbtotaltj','F_m10','十月',85,1,1,'￥,0.00;-￥,0.00','',2,2,11);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('ygnbtotaltj','F_m11','十一月',85,1,1,'￥,0.00;-￥,0.00','',2,2,12);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('ygnbtotaltj','F_m12','十二月',85,1,1,'￥,0.00;-￥,0.00','',2,2,13);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('ygnbtotaltj','F_HJprice','总计',100,1,1,'￥,0.00;-￥,0.00','',2,2,14);

-- 部门工资年报
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('bmnbtotaltj','F_dept','部门',100,1,1,'','合  计',1,0,0);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('bmnbtotaltj','F_m1','一月',85,1,1,'￥,0.00;-￥,0.00','',2,2,1);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('bmnbtotaltj','F_m2','二月',85,1,1,'￥,0.00;-￥,0.00','',2,2,2);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('bmnbtotaltj','F_m3','三月',85,1,1,'￥,0.00;-￥,0.00','',2,2,3);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('bmnbtotaltj','F_m4','四月',85,1,1,'￥,0.00;-￥,0.00','',2,2,4);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('bmnbtotaltj','F_m5','五月',85,1,1,'￥,0.00;-￥,0.00','',2,2,5);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('bmnbtotaltj','F_m6','六月',85,1,1,'￥,0.00;-￥,0.00','',2,2,6);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('bmnbtotaltj','F_m7','七月',85,1,1,'￥,0.00;-￥,0.00','',2,2,7);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('bmnbtotaltj','F_m8','八月',85,1,1,'￥,0.00;-￥,0.00','',2,2,8);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('bmnbtotaltj','F_m9','九月',85,1,1,'￥,0.00;-￥,0.00','',2,2,9);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('bmnbtotaltj','F_m10','十月',85,1,1,'￥,0.00;-￥,0.00','',2,2,10);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('bmnbtotaltj','F_m11','十一月',85,1,1,'￥,0.00;-￥,0.00','',2,2,11);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('bmnbtotaltj','F_m12','十二月',85,1,1,'￥,0.00;-￥,0.00','',2,2,12);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('bmnbtotaltj','F_HJprice','总计',100,1,1,'￥,0.00;-￥,0.00','',2,2,13);

-- 员工工资台帐（工资项目列随工资项目生成）
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('ygtztotaltj','F_month','月份',80,1,1,'','合计',1,1,0);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('ygtztotaltj','F_Code','员工编码',60,1,1,'','',0,0,1);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('ygtztotaltj','F_Name','员工姓名',60,1,1,'','',0,0,2);

-- 部门工资台帐（工资项目列随工资项目生成）
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('bmtztotaltj','F_month','月份',80,1,1,'','合计',1,1,0);
INSERT INTO cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,F_Alignment,F_Order) VALUES('bmtztotaltj','F_Dept','所属部门',60,0,1,'','',0,0,1);
