-- The delivered database salary.mdb.
--
-- Types: text(n) is VARCHAR(n) with a length check, memo is TEXT, yes/no is
-- BOOLEAN (0/1, never null), currency and double are REAL (currency rounded
-- to four decimals by every writer), long integer is INTEGER, date/time is
-- text "yyyy-MM-dd" or "yyyy-MM-dd hh:mm:ss". Text compares without case.
-- The work tables (temp…) are not here: every connection makes its own, so
-- two workstations never see each other's work rows (worktables.sql).

CREATE TABLE SysInfo (
  F_ID        INTEGER PRIMARY KEY AUTOINCREMENT,
  F_Code      VARCHAR(50)  COLLATE NOCASE CHECK (length(F_Code) <= 50),
  F_Name      VARCHAR(10)  COLLATE NOCASE CHECK (length(F_Name) <= 10),
  F_Manager   VARCHAR(50)  COLLATE NOCASE CHECK (length(F_Manager) <= 50),
  F_Phone     VARCHAR(50)  COLLATE NOCASE CHECK (length(F_Phone) <= 50),
  F_HandPhone VARCHAR(50)  COLLATE NOCASE CHECK (length(F_HandPhone) <= 50),
  F_Homepage  VARCHAR(255) COLLATE NOCASE CHECK (length(F_Homepage) <= 255),
  F_Email     VARCHAR(255) COLLATE NOCASE CHECK (length(F_Email) <= 255),
  F_Enroler   VARCHAR(50)  COLLATE NOCASE CHECK (length(F_Enroler) <= 50),
  F_Mem       VARCHAR(255) COLLATE NOCASE CHECK (length(F_Mem) <= 255),
  F_BakPath   VARCHAR(255) COLLATE NOCASE CHECK (length(F_BakPath) <= 255)
);

CREATE TABLE OperList (
  F_ID       INTEGER PRIMARY KEY AUTOINCREMENT,
  F_Name     VARCHAR(50)  COLLATE NOCASE CHECK (length(F_Name) <= 50),
  F_PassWord VARCHAR(255) COLLATE NOCASE CHECK (length(F_PassWord) <= 255),
  F_Mem      TEXT         COLLATE NOCASE,
  F_Flag     BOOLEAN NOT NULL DEFAULT 0,
  F_xtFlag   BOOLEAN NOT NULL DEFAULT 0
);

CREATE TABLE Limits (
  F_ID   INTEGER PRIMARY KEY AUTOINCREMENT,
  F_name VARCHAR(50) COLLATE NOCASE CHECK (length(F_name) <= 50),
  F_code VARCHAR(10) COLLATE NOCASE CHECK (length(F_code) <= 10),
  F_flag BOOLEAN NOT NULL DEFAULT 0
);

CREATE TABLE OperLimit (
  F_ID       INTEGER PRIMARY KEY AUTOINCREMENT,
  F_OperName VARCHAR(50) COLLATE NOCASE CHECK (length(F_OperName) <= 50),
  F_lmtName  VARCHAR(50) COLLATE NOCASE CHECK (length(F_lmtName) <= 50)
);
CREATE INDEX OperLimit_Oper ON OperLimit(F_OperName);

CREATE TABLE T_LogRec (
  F_ID        INTEGER PRIMARY KEY AUTOINCREMENT,
  F_EmpName   VARCHAR(50) COLLATE NOCASE,
  F_OperType  VARCHAR(50) COLLATE NOCASE,
  F_OperDate  VARCHAR(10) COLLATE NOCASE,
  F_OperTime  VARCHAR(8)  COLLATE NOCASE
);

CREATE TABLE cfg_Grid (
  F_ID            INTEGER PRIMARY KEY AUTOINCREMENT,
  F_name          VARCHAR(50)  COLLATE NOCASE CHECK (length(F_name) <= 50),
  F_FieldName     VARCHAR(50)  COLLATE NOCASE CHECK (length(F_FieldName) <= 50),
  F_Caption       VARCHAR(100) COLLATE NOCASE CHECK (length(F_Caption) <= 100),
  F_Width         INTEGER NOT NULL DEFAULT 80,
  F_Visible       BOOLEAN NOT NULL DEFAULT 1,
  F_ReadOnly      BOOLEAN NOT NULL DEFAULT 0,
  F_DisplayFormat VARCHAR(100) COLLATE NOCASE CHECK (length(F_DisplayFormat) <= 100),
  F_FooterValue   VARCHAR(100) COLLATE NOCASE CHECK (length(F_FooterValue) <= 100),
  F_FooterType    INTEGER NOT NULL DEFAULT 0,
  F_Alignment     INTEGER NOT NULL DEFAULT 0,
  F_Order         INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX cfg_Grid_Name ON cfg_Grid(F_name, F_FieldName);

CREATE TABLE cfg_import (
  F_ID        INTEGER PRIMARY KEY AUTOINCREMENT,
  F_tablename VARCHAR(50)  COLLATE NOCASE CHECK (length(F_tablename) <= 50),
  S_Field     VARCHAR(50)  COLLATE NOCASE CHECK (length(S_Field) <= 50),
  F_FieldName VARCHAR(50)  COLLATE NOCASE CHECK (length(F_FieldName) <= 50),
  F_Field     VARCHAR(100) COLLATE NOCASE CHECK (length(F_Field) <= 100),
  F_iFlag     INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE t_employee (
  F_ID        INTEGER PRIMARY KEY AUTOINCREMENT,
  F_Code      VARCHAR(50)  NOT NULL COLLATE NOCASE CHECK (length(F_Code) <= 50),
  F_Name      VARCHAR(50)  COLLATE NOCASE CHECK (length(F_Name) <= 50),
  F_Sex       VARCHAR(10)  COLLATE NOCASE CHECK (length(F_Sex) <= 10),
  F_Dept      VARCHAR(50)  COLLATE NOCASE CHECK (length(F_Dept) <= 50),
  F_Duty      VARCHAR(50)  COLLATE NOCASE CHECK (length(F_Duty) <= 50),
  F_Phone     VARCHAR(50)  COLLATE NOCASE CHECK (length(F_Phone) <= 50),
  F_bank      VARCHAR(100) COLLATE NOCASE CHECK (length(F_bank) <= 100),
  F_Mem       TEXT         COLLATE NOCASE,
  F_Flag      BOOLEAN NOT NULL DEFAULT 0,
  F_ImagePath VARCHAR(255) COLLATE NOCASE CHECK (length(F_ImagePath) <= 255)
);
CREATE UNIQUE INDEX t_employee_Code ON t_employee(F_Code);

CREATE TABLE wg_WorkingProduct (
  F_ID       INTEGER PRIMARY KEY AUTOINCREMENT,
  F_Code     VARCHAR(50)  NOT NULL COLLATE NOCASE CHECK (length(F_Code) <= 50),
  F_Name     VARCHAR(50)  COLLATE NOCASE CHECK (length(F_Name) <= 50),
  F_GoodName VARCHAR(50)  COLLATE NOCASE CHECK (length(F_GoodName) <= 50),
  F_gxCode   VARCHAR(50)  COLLATE NOCASE CHECK (length(F_gxCode) <= 50),
  F_spec     VARCHAR(50)  COLLATE NOCASE CHECK (length(F_spec) <= 50),
  F_type     VARCHAR(50)  COLLATE NOCASE CHECK (length(F_type) <= 50),
  F_Price    REAL NOT NULL DEFAULT 0,
  F_unit     VARCHAR(50)  COLLATE NOCASE CHECK (length(F_unit) <= 50),
  F_Mem      VARCHAR(255) COLLATE NOCASE CHECK (length(F_Mem) <= 255),
  F_UseFlag  BOOLEAN NOT NULL DEFAULT 0
);
CREATE UNIQUE INDEX wg_WorkingProduct_Code ON wg_WorkingProduct(F_Code);
CREATE UNIQUE INDEX wg_WorkingProduct_Step ON wg_WorkingProduct(F_GoodName, F_gxCode);

CREATE TABLE wg_ShengChanRec (
  F_ID            INTEGER PRIMARY KEY AUTOINCREMENT,
  F_DateTime      DATE,
  F_ShengChanCode VARCHAR(50)  COLLATE NOCASE CHECK (length(F_ShengChanCode) <= 50),
  F_EmpCode       VARCHAR(50)  COLLATE NOCASE CHECK (length(F_EmpCode) <= 50),
  F_EmpName       VARCHAR(50)  COLLATE NOCASE CHECK (length(F_EmpName) <= 50),
  F_Dept          VARCHAR(50)  COLLATE NOCASE CHECK (length(F_Dept) <= 50),
  F_Bank          VARCHAR(100) COLLATE NOCASE CHECK (length(F_Bank) <= 100),
  F_gxID          INTEGER,
  F_Price         REAL NOT NULL DEFAULT 0,
  F_Amount        REAL NOT NULL DEFAULT 0,
  F_TotalPrice    REAL NOT NULL DEFAULT 0,
  F_EditDate      DATETIME,
  F_Mem           VARCHAR(255) COLLATE NOCASE CHECK (length(F_Mem) <= 255)
);
CREATE INDEX wg_ShengChanRec_Date ON wg_ShengChanRec(F_DateTime);
CREATE INDEX wg_ShengChanRec_Emp ON wg_ShengChanRec(F_EmpCode, F_DateTime);
CREATE INDEX wg_ShengChanRec_Step ON wg_ShengChanRec(F_gxID);

-- Piece counts with their process step. A record whose step was deleted
-- keeps showing, with empty step columns: it still counts in the wages.
CREATE VIEW ShengChanREC AS
SELECT r.F_ID, r.F_DateTime, r.F_ShengChanCode, r.F_EmpCode, r.F_EmpName,
       r.F_Dept, r.F_gxID, r.F_Amount, r.F_Price, r.F_TotalPrice,
       r.F_EditDate, r.F_Mem,
       p.F_gxCode, p.F_Name, p.F_GoodName AS F_goodName, p.F_type, p.F_spec, p.F_unit
FROM wg_ShengChanRec AS r
LEFT JOIN wg_WorkingProduct AS p ON r.F_gxID = p.F_ID;

-- The list of piece counts writes re-priced rows back through the view.
CREATE TRIGGER ShengChanREC_Update INSTEAD OF UPDATE OF F_Price, F_TotalPrice ON ShengChanREC
BEGIN
  UPDATE wg_ShengChanRec SET F_Price = NEW.F_Price, F_TotalPrice = NEW.F_TotalPrice
  WHERE F_ID = OLD.F_ID;
END;

CREATE TABLE wg_EnterOut (
  F_ID       INTEGER PRIMARY KEY AUTOINCREMENT,
  F_Code     VARCHAR(50)  COLLATE NOCASE CHECK (length(F_Code) <= 50),
  F_Name     VARCHAR(50)  COLLATE NOCASE CHECK (length(F_Name) <= 50),
  F_Itemcode VARCHAR(20)  COLLATE NOCASE CHECK (length(F_Itemcode) <= 20),
  F_ItemName VARCHAR(50)  COLLATE NOCASE CHECK (length(F_ItemName) <= 50),
  F_Type     VARCHAR(50)  COLLATE NOCASE CHECK (length(F_Type) <= 50),
  F_MakeDate DATE,
  F_EditDate DATETIME,
  F_Maker    VARCHAR(50)  COLLATE NOCASE CHECK (length(F_Maker) <= 50),
  F_OperName VARCHAR(50)  COLLATE NOCASE CHECK (length(F_OperName) <= 50),
  F_OperFlag INTEGER NOT NULL DEFAULT 1,
  F_Price    REAL NOT NULL DEFAULT 0,
  F_Mem      VARCHAR(255) COLLATE NOCASE CHECK (length(F_Mem) <= 255)
);
CREATE INDEX wg_EnterOut_Date ON wg_EnterOut(F_MakeDate);
CREATE INDEX wg_EnterOut_Emp ON wg_EnterOut(F_Code, F_MakeDate);

CREATE TABLE Sys_wgcols (
  F_ID         INTEGER PRIMARY KEY AUTOINCREMENT,
  F_tblName    VARCHAR(20)  COLLATE NOCASE CHECK (length(F_tblName) <= 20),
  F_Code       VARCHAR(20)  COLLATE NOCASE CHECK (length(F_Code) <= 20),
  F_Name       VARCHAR(50)  COLLATE NOCASE CHECK (length(F_Name) <= 50),
  F_Flag       BOOLEAN NOT NULL DEFAULT 0,
  F_Expression TEXT         COLLATE NOCASE,
  F_i          INTEGER NOT NULL DEFAULT 1,
  F_Order      INTEGER NOT NULL DEFAULT 0,
  F_CaluOrder  INTEGER NOT NULL DEFAULT 0,
  F_Width      INTEGER NOT NULL DEFAULT 80,
  F_ReadOnly   BOOLEAN NOT NULL DEFAULT 0,
  F_Alignment  INTEGER NOT NULL DEFAULT 2,
  F_Visible    BOOLEAN NOT NULL DEFAULT 1
);
CREATE INDEX Sys_wgcols_Set ON Sys_wgcols(F_tblName, F_Code);

CREATE TABLE wg_Month (
  F_ID         INTEGER PRIMARY KEY AUTOINCREMENT,
  F_Year       INTEGER,
  F_Month      INTEGER,
  F_TableName  VARCHAR(6)  NOT NULL COLLATE NOCASE CHECK (length(F_TableName) <= 6),
  F_CnTitle    VARCHAR(50) COLLATE NOCASE CHECK (length(F_CnTitle) <= 50),
  F_CreateTime DATETIME,
  F_Creater    VARCHAR(50) COLLATE NOCASE CHECK (length(F_Creater) <= 50),
  F_begDate    DATE,
  F_endDate    DATE
);
CREATE UNIQUE INDEX wg_Month_TableName ON wg_Month(F_TableName);

CREATE TABLE wg_salaryREC (
  F_ID    INTEGER PRIMARY KEY AUTOINCREMENT,
  F_Month VARCHAR(50)  COLLATE NOCASE CHECK (length(F_Month) <= 50),
  F_Code  VARCHAR(50)  COLLATE NOCASE CHECK (length(F_Code) <= 50),
  F_Name  VARCHAR(50)  COLLATE NOCASE CHECK (length(F_Name) <= 50),
  F_Dept  VARCHAR(50)  COLLATE NOCASE CHECK (length(F_Dept) <= 50),
  F_Bank  VARCHAR(100) COLLATE NOCASE CHECK (length(F_Bank) <= 100),
  F_gz100 REAL DEFAULT 0, F_gz101 REAL DEFAULT 0, F_gz102 REAL DEFAULT 0, F_gz103 REAL DEFAULT 0,
  F_gz104 REAL DEFAULT 0, F_gz105 REAL DEFAULT 0, F_gz106 REAL DEFAULT 0, F_gz107 REAL DEFAULT 0,
  F_gz108 REAL DEFAULT 0, F_gz109 REAL DEFAULT 0, F_gz110 REAL DEFAULT 0, F_gz111 REAL DEFAULT 0,
  F_gz112 REAL DEFAULT 0, F_gz113 REAL DEFAULT 0, F_gz114 REAL DEFAULT 0, F_gz115 REAL DEFAULT 0,
  F_gz116 REAL DEFAULT 0, F_gz117 REAL DEFAULT 0, F_gz118 REAL DEFAULT 0, F_gz119 REAL DEFAULT 0,
  F_gz200 REAL DEFAULT 0, F_gz201 REAL DEFAULT 0, F_gz202 REAL DEFAULT 0, F_gz203 REAL DEFAULT 0,
  F_gz204 REAL DEFAULT 0, F_gz205 REAL DEFAULT 0, F_gz206 REAL DEFAULT 0, F_gz207 REAL DEFAULT 0,
  F_gz208 REAL DEFAULT 0, F_gz209 REAL DEFAULT 0, F_gz210 REAL DEFAULT 0, F_gz211 REAL DEFAULT 0,
  F_gz212 REAL DEFAULT 0, F_gz213 REAL DEFAULT 0, F_gz214 REAL DEFAULT 0, F_gz215 REAL DEFAULT 0,
  F_gz216 REAL DEFAULT 0, F_gz217 REAL DEFAULT 0, F_gz218 REAL DEFAULT 0, F_gz219 REAL DEFAULT 0,
  F_gz300 REAL DEFAULT 0, F_gz301 REAL DEFAULT 0, F_gz302 REAL DEFAULT 0, F_gz303 REAL DEFAULT 0,
  F_gz304 REAL DEFAULT 0, F_gz305 REAL DEFAULT 0, F_gz306 REAL DEFAULT 0, F_gz307 REAL DEFAULT 0,
  F_gz308 REAL DEFAULT 0, F_gz309 REAL DEFAULT 0, F_gz310 REAL DEFAULT 0, F_gz311 REAL DEFAULT 0,
  F_gz312 REAL DEFAULT 0, F_gz313 REAL DEFAULT 0, F_gz314 REAL DEFAULT 0, F_gz315 REAL DEFAULT 0,
  F_gz316 REAL DEFAULT 0, F_gz317 REAL DEFAULT 0, F_gz318 REAL DEFAULT 0, F_gz319 REAL DEFAULT 0,
  F_gzt00 VARCHAR(255) COLLATE NOCASE CHECK (length(F_gzt00) <= 255),
  F_gzt01 VARCHAR(255) COLLATE NOCASE CHECK (length(F_gzt01) <= 255),
  F_gzt02 VARCHAR(255) COLLATE NOCASE CHECK (length(F_gzt02) <= 255),
  F_gzt03 VARCHAR(255) COLLATE NOCASE CHECK (length(F_gzt03) <= 255),
  F_gzt04 VARCHAR(255) COLLATE NOCASE CHECK (length(F_gzt04) <= 255),
  F_gzt05 VARCHAR(255) COLLATE NOCASE CHECK (length(F_gzt05) <= 255),
  F_gzt06 VARCHAR(255) COLLATE NOCASE CHECK (length(F_gzt06) <= 255),
  F_gzt07 VARCHAR(255) COLLATE NOCASE CHECK (length(F_gzt07) <= 255),
  F_gzt08 VARCHAR(255) COLLATE NOCASE CHECK (length(F_gzt08) <= 255),
  F_gzt09 VARCHAR(255) COLLATE NOCASE CHECK (length(F_gzt09) <= 255)
);
CREATE INDEX wg_salaryREC_Month ON wg_salaryREC(F_Month, F_Code);
