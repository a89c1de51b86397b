-- Seed rows of the delivered database.

-- Company information: one row, filled in by the office.
INSERT INTO SysInfo(F_Code,F_Name,F_Manager,F_Phone,F_HandPhone,F_Homepage,F_Email,F_Enroler,F_Mem,F_BakPath)
VALUES('','','','','','','','','','');

-- The super user, with an empty password.
INSERT INTO OperList(F_Name,F_PassWord,F_Mem,F_Flag,F_xtFlag) VALUES('admin','','系统超级用户',0,1);

-- Permissions, each named after the action it opens.
INSERT INTO Limits(F_name,F_code,F_flag) VALUES('公司信息','101',1);
INSERT INTO Limits(F_name,F_code,F_flag) VALUES('更改密码','102',1);
INSERT INTO Limits(F_name,F_code,F_flag) VALUES('权限管理','103',1);
INSERT INTO Limits(F_name,F_code,F_flag) VALUES('人事档案管理','201',1);
INSERT INTO Limits(F_name,F_code,F_flag) VALUES('产品工序定义','202',1);
INSERT INTO Limits(F_name,F_code,F_flag) VALUES('工资项目设定','203',1);
INSERT INTO Limits(F_name,F_code,F_flag) VALUES('日常生产计件','301',1);
INSERT INTO Limits(F_name,F_code,F_flag) VALUES('员工工资核算','302',1);
INSERT INTO Limits(F_name,F_code,F_flag) VALUES('工资零币发放','303',1);
INSERT INTO Limits(F_name,F_code,F_flag) VALUES('日常代扣项目','304',1);
INSERT INTO Limits(F_name,F_code,F_flag) VALUES('日常应发项目','305',1);
INSERT INTO Limits(F_name,F_code,F_flag) VALUES('连接网络数据','401',1);
INSERT INTO Limits(F_name,F_code,F_flag) VALUES('数据备份恢复','402',1);
INSERT INTO Limits(F_name,F_code,F_flag) VALUES('系统数据清理','403',1);
INSERT INTO Limits(F_name,F_code,F_flag) VALUES('员工资料导入(Excel)','404',1);
INSERT INTO Limits(F_name,F_code,F_flag) VALUES('员工资料导出(Excel)','405',1);
INSERT INTO Limits(F_name,F_code,F_flag) VALUES('生产计件明细统计','501',1);
INSERT INTO Limits(F_name,F_code,F_flag) VALUES('生产计件汇总统计','502',1);
INSERT INTO Limits(F_name,F_code,F_flag) VALUES('工资核算明细统计','503',1);
INSERT INTO Limits(F_name,F_code,F_flag) VALUES('工资核算汇总统计','504',1);
INSERT INTO Limits(F_name,F_code,F_flag) VALUES('员工工资汇总统计','505',1);
INSERT INTO Limits(F_name,F_code,F_flag) VALUES('部门工资汇总统计','506',1);
INSERT INTO Limits(F_name,F_code,F_flag) VALUES('员工工资年报统计','507',1);
INSERT INTO Limits(F_name,F_code,F_flag) VALUES('部门工资年报统计','508',1);
INSERT INTO Limits(F_name,F_code,F_flag) VALUES('员工工资台帐汇总','509',1);
INSERT INTO Limits(F_name,F_code,F_flag) VALUES('部门工资台帐汇总','510',1);

-- The master wage items: one row per wage column. Names, enabled marks,
-- formulas and display orders start as the default set; the deduction
-- reason is kept in f_gzt00, where the wage accounting statistics look.
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz100','出勤日',0,'',1,112,112,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz101','日工资',0,'',1,113,113,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz102','加班时数',1,'',1,116,116,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz103','时工资',1,'',1,117,117,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz104','',0,'',1,0,0,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz105','',0,'',1,0,0,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz106','',0,'',1,0,0,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz107','',1,'',1,0,0,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz108','',1,'',1,0,0,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz109','',0,'',1,0,0,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz110','',0,'',1,0,0,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz111','',1,'',1,0,0,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz112','',1,'',1,0,0,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz113','',0,'',1,0,0,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz114','',0,'',1,0,0,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz115','实发工资',0,'',1,325,325,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz116','应发工资',1,'(f_gz200+f_gz201+f_gz202 +f_gz203+f_gz204+f_gz205+f_gz206+f_gz207+f_gz208+f_gz209+f_gz210+f_gz211+f_gz212 +f_gz213+f_gz214+f_gz215+f_gz216+f_gz217+f_gz218+f_gz219) - (f_gz300+f_gz301+f_gz302+f_gz303+f_gz304+f_gz305+f_gz306+f_gz307+f_gz308+f_gz309+f_gz310+f_gz311+f_gz312+f_gz313+f_gz314+f_gz315+f_gz316+f_gz317+f_gz318+f_gz319)',1,305,305,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz117','应纳税所得额',0,'iif(f_gz116 > 3500,f_gz116 - 3500,0)',1,310,310,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz118','个人所得税',0,'iif(f_gz117<1500,f_gz117*.03,iif(f_gz117>=1500 and f_gz117<4500,f_gz117*0.1-105,iif(f_gz117>=4500 and f_gz117<9000,f_gz117*0.2-555, iif(f_gz117>=9000 and f_gz117<35000,f_gz117*0.25-1005,iif(f_gz117>=35000 and f_gz117<55000,f_gz117*0.3-2755,iif(f_gz117>=55000 and f_gz117<80000,f_gz117*0.35-5505,f_gz117*0.45-13505))))))',1,315,315,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz119','税后工资',0,'(f_gz116-f_gz118)',1,320,320,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz200','基本工资',1,'',2,100,100,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz201','职务津贴',1,'',2,120,120,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz202','全勒奖金',1,'',2,125,125,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz203','夜餐补贴',0,'',2,135,135,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz204','其他津贴',0,'',2,140,140,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz205','计件工资',1,'',2,105,105,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz206','考勤工资',0,'f_gz100 * f_gz101',2,115,115,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz207','加班工资',1,'f_gz102 * f_gz103',2,130,130,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz208','计时工资',0,'',2,110,110,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz209','',0,'',2,0,0,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz210','',0,'',2,0,0,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz211','',0,'',2,0,0,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz212','',0,'',2,0,0,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz213','',0,'',2,0,0,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz214','',0,'',2,0,0,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz215','',0,'',2,0,0,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz216','',0,'',2,0,0,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz217','',0,'',2,0,0,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz218','',0,'',2,0,0,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz219','',0,'',2,0,0,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz300','伙食费',1,'',3,205,205,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz301','住宿费',1,'',3,210,210,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz302','其他费用',0,'',3,215,215,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz303','',0,'',3,0,0,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz304','',0,'',3,0,0,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz305','',0,'',3,0,0,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz306','',0,'',3,0,0,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz307','',0,'',3,0,0,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz308','',0,'',3,0,0,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz309','',0,'',3,0,0,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz310','',0,'',3,0,0,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz311','',0,'',3,0,0,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz312','',0,'',3,0,0,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz313','',0,'',3,0,0,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz314','',0,'',3,0,0,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz315','',0,'',3,0,0,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz316','',0,'',3,0,0,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz317','',0,'',3,0,0,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz318','',0,'',3,0,0,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gz319','',0,'',3,0,0,80,0,2,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gzt00','扣款事由',1,'',4,450,450,120,0,0,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gzt01','',0,'',4,0,0,120,0,0,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gzt02','',0,'',4,0,0,120,0,0,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gzt03','',0,'',4,0,0,120,0,0,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gzt04','',0,'',4,0,0,120,0,0,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gzt05','',1,'',4,0,0,120,0,0,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gzt06','',0,'',4,0,0,120,0,0,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gzt07','',0,'',4,0,0,120,0,0,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gzt08','',0,'',4,0,0,120,0,0,1);
INSERT INTO Sys_wgcols(F_tblName,F_Code,F_Name,F_Flag,F_Expression,F_i,F_Order,F_CaluOrder,F_Width,F_ReadOnly,F_Alignment,F_Visible) VALUES('sys','f_gzt09','签名',1,'',4,500,500,120,0,0,1);
