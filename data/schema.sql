-- Tables and views of the embedded database, in the suite's names.
-- Text columns carry the collation that compares as the suite's server does
-- (without regard to case or trailing blanks): COLLATE SINCASO on every text
-- column. Date columns are declared DATETIME COLLATE FECHA: they compare, sort,
-- group and take MAX/MIN as dates whatever day-first text is written into them,
-- and are kept in ISO form by triggers made when the database is created.
-- Objects the program writes are tables; views are only read.
-- Codes are stored as written (fitted or not): the collation ignores the
-- trailing blanks of fitted codes. Family codes are never fitted: the family
-- tree reads their length.
-- Each group below has its header; append new groups at the end.

-- ---- Settings (also the whole schema of the statistics database) ------------
CREATE TABLE TA_CONFIGURACION (
    CLAVE           VARCHAR(100) COLLATE SINCASO NOT NULL PRIMARY KEY,
    VALOR           VARCHAR(255) COLLATE SINCASO,
    VALORAUX        VARCHAR(255) COLLATE SINCASO,
    Grupo           VARCHAR(50)  COLLATE SINCASO,
    PoliticaNegocio BIT DEFAULT 0
);

-- ---- Users, menu tasks and access log -----------------------------------------
CREATE TABLE TA_Usuarios (
    Nombre      VARCHAR(50) COLLATE SINCASO NOT NULL PRIMARY KEY,
    UNegocio    VARCHAR(4)  COLLATE SINCASO,
    verproforma BIT,
    sucot       VARCHAR(4)  COLLATE SINCASO,
    letot       VARCHAR(1)  COLLATE SINCASO
);

CREATE TABLE TA_MENU (
    Clave   VARCHAR(20)  COLLATE SINCASO NOT NULL PRIMARY KEY,
    Proceso VARCHAR(100) COLLATE SINCASO,
    Nombre  VARCHAR(100) COLLATE SINCASO
);

CREATE TABLE TA_TAREAS (
    USUARIO VARCHAR(50) COLLATE SINCASO NOT NULL,
    TAREA   VARCHAR(20) COLLATE SINCASO NOT NULL,
    PRIMARY KEY (USUARIO, TAREA)
);

CREATE TABLE Control_Acceso (
    Id            INTEGER PRIMARY KEY AUTOINCREMENT,
    Maquina       VARCHAR(50)  COLLATE SINCASO,
    Usuario       VARCHAR(50)  COLLATE SINCASO,
    Formulario    VARCHAR(50)  COLLATE SINCASO,
    Tarea         VARCHAR(100) COLLATE SINCASO,
    Ingreso       DATETIME     COLLATE FECHA,
    EGRESO        DATETIME     COLLATE FECHA,
    NombreUsuario VARCHAR(50)  COLLATE SINCASO
);

-- ---- Failed SQL batches ------------------------------------------------------------
CREATE TABLE AUX_ERR (
    Id          INTEGER PRIMARY KEY AUTOINCREMENT,
    Proceso     VARCHAR(100) COLLATE SINCASO,
    fecha       DATETIME     COLLATE FECHA,
    Error       INTEGER,
    Descripcion VARCHAR(250) COLLATE SINCASO,
    SQL         TEXT         COLLATE SINCASO,
    pc          VARCHAR(50)  COLLATE SINCASO,
    Usuario     VARCHAR(50)  COLLATE SINCASO
);

-- ---- Cash boxes (written through "@Admin_V_TA_Cajas", so a table) -------------------
CREATE TABLE V_TA_Cajas (
    IdCajas     VARCHAR(4)  COLLATE SINCASO NOT NULL PRIMARY KEY,
    Descripcion VARCHAR(50) COLLATE SINCASO
);

-- ---- Voucher types and number books, chart of accounts -----------------------------
CREATE TABLE V_TA_CPTE (
    CODIGO                 VARCHAR(4)  COLLATE SINCASO NOT NULL,
    TALONARIO              INTEGER     NOT NULL DEFAULT 1,
    Descripcion            VARCHAR(50) COLLATE SINCASO,
    LETRAS                 VARCHAR(20) COLLATE SINCASO,
    UNEGOCIO               VARCHAR(4)  COLLATE SINCASO,
    Externo                VARCHAR(2)  COLLATE SINCASO,
    Modificanumeracion     VARCHAR(2)  COLLATE SINCASO,
    Sistema                VARCHAR(20) COLLATE SINCASO,
    ES                     VARCHAR(1)  COLLATE SINCASO,
    Signo                  INTEGER,
    DebeHaber              VARCHAR(1)  COLLATE SINCASO,
    A_ULTIMO_NRO INTEGER DEFAULT 0, A_NRO_DESDE INTEGER DEFAULT 0, A_NRO_HASTA INTEGER DEFAULT 0,
    A_SUC_DEFAULT INTEGER, VenceA DATETIME COLLATE FECHA,
    B_ULTIMO_NRO INTEGER DEFAULT 0, B_NRO_DESDE INTEGER DEFAULT 0, B_NRO_HASTA INTEGER DEFAULT 0,
    B_SUC_DEFAULT INTEGER, VenceB DATETIME COLLATE FECHA,
    C_ULTIMO_NRO INTEGER DEFAULT 0, C_NRO_DESDE INTEGER DEFAULT 0, C_NRO_HASTA INTEGER DEFAULT 0,
    C_SUC_DEFAULT INTEGER, VenceC DATETIME COLLATE FECHA,
    E_ULTIMO_NRO INTEGER DEFAULT 0, E_NRO_DESDE INTEGER DEFAULT 0, E_NRO_HASTA INTEGER DEFAULT 0,
    E_SUC_DEFAULT INTEGER, VenceE DATETIME COLLATE FECHA,
    R_ULTIMO_NRO INTEGER DEFAULT 0, R_NRO_DESDE INTEGER DEFAULT 0, R_NRO_HASTA INTEGER DEFAULT 0,
    R_SUC_DEFAULT INTEGER, VenceR DATETIME COLLATE FECHA,
    X_ULTIMO_NRO INTEGER DEFAULT 0, X_NRO_DESDE INTEGER DEFAULT 0, X_NRO_HASTA INTEGER DEFAULT 0,
    X_SUC_DEFAULT INTEGER, VenceX DATETIME COLLATE FECHA,
    M_ULTIMO_NRO INTEGER DEFAULT 0, M_NRO_DESDE INTEGER DEFAULT 0, M_NRO_HASTA INTEGER DEFAULT 0,
    M_SUC_DEFAULT INTEGER, VenceM DATETIME COLLATE FECHA,
    fechahora_modificacion DATETIME    COLLATE FECHA,
    PRIMARY KEY (CODIGO, TALONARIO)
);

CREATE TABLE MA_CUENTAS (
    Codigo         VARCHAR(20)  COLLATE SINCASO NOT NULL PRIMARY KEY,
    CodigoOpcional VARCHAR(20)  COLLATE SINCASO,
    Descripcion    VARCHAR(100) COLLATE SINCASO
);

-- ---- Rubros, brands (tipos), families, suppliers, units and depots ---------------------
CREATE TABLE V_TA_RUBROS (
    IdRubro     VARCHAR(4)  COLLATE SINCASO NOT NULL PRIMARY KEY,
    Descripcion VARCHAR(50) COLLATE SINCASO
);

CREATE TABLE V_TA_TipoArticulo (
    IdTipo      VARCHAR(4)  COLLATE SINCASO NOT NULL PRIMARY KEY,
    Descripcion VARCHAR(50) COLLATE SINCASO
);

CREATE TABLE V_TA_FAMILIAS (
    IdFamilia   VARCHAR(20) COLLATE SINCASO NOT NULL PRIMARY KEY,
    Descripcion VARCHAR(50) COLLATE SINCASO
);

CREATE TABLE VT_PROVEEDORES (
    CODIGO       VARCHAR(20)  COLLATE SINCASO NOT NULL PRIMARY KEY,
    RAZON_SOCIAL VARCHAR(100) COLLATE SINCASO,
    CUIT         VARCHAR(13)  COLLATE SINCASO
);

CREATE TABLE V_TA_UNIDAD (
    IdUnidad    VARCHAR(4)  COLLATE SINCASO NOT NULL PRIMARY KEY,
    Descripcion VARCHAR(50) COLLATE SINCASO
);

CREATE TABLE V_TA_DEPOSITO (
    IdDeposito  VARCHAR(4)  COLLATE SINCASO NOT NULL PRIMARY KEY,
    Descripcion VARCHAR(50) COLLATE SINCASO
);

-- ---- Articles, supplies and prices ----------------------------------------------------
CREATE TABLE V_MA_ARTICULOS (
    IDARTICULO           VARCHAR(25)  COLLATE SINCASO NOT NULL PRIMARY KEY,
    Descripcion          VARCHAR(100) COLLATE SINCASO,
    Presentacion         VARCHAR(50)  COLLATE SINCASO,
    idTipo               VARCHAR(4)   COLLATE SINCASO,
    IdRubro              VARCHAR(4)   COLLATE SINCASO,
    IdFamilia            VARCHAR(20)  COLLATE SINCASO,
    IdUnidad             VARCHAR(4)   COLLATE SINCASO,
    UD_STOCK             VARCHAR(4)   COLLATE SINCASO,
    Costo                DECIMAL(18,4),
    Impuestos            DECIMAL(18,4),
    Exento               BIT DEFAULT 0,
    UsaSerie             BIT DEFAULT 0,
    UsaLote              BIT DEFAULT 0,
    Perecedero           BIT DEFAULT 0,
    UsaTalle             BIT DEFAULT 0,
    InsumosPorPorcentaje BIT DEFAULT 0,
    Pesable              BIT DEFAULT 0,
    CodigoArtProveedor   VARCHAR(25)  COLLATE SINCASO,
    CuentaProveedor      VARCHAR(20)  COLLATE SINCASO,
    PuntoMaximo          FLOAT,
    PuntoPedido          FLOAT,
    SUSPENDIDO           BIT DEFAULT 0,
    codigobarra          VARCHAR(25)  COLLATE SINCASO,
    CODIGOBARRADUN       VARCHAR(25)  COLLATE SINCASO,
    UD_TTE               VARCHAR(4)   COLLATE SINCASO,
    CODIGOBARRA1         VARCHAR(25)  COLLATE SINCASO,
    UMCB1                VARCHAR(4)   COLLATE SINCASO,
    CODIGOBARRA2         VARCHAR(25)  COLLATE SINCASO,
    UMCB2                VARCHAR(4)   COLLATE SINCASO,
    CODIGOBARRA3         VARCHAR(25)  COLLATE SINCASO,
    UMCB3                VARCHAR(4)   COLLATE SINCASO,
    CODIGOBARRA4         VARCHAR(25)  COLLATE SINCASO,
    UMCB4                VARCHAR(4)   COLLATE SINCASO,
    Notas                TEXT         COLLATE SINCASO
);

CREATE TABLE V_MA_INSUMOS (
    IDARTICULO       VARCHAR(25) COLLATE SINCASO NOT NULL,
    IdArticuloInsumo VARCHAR(25) COLLATE SINCASO NOT NULL,
    IdUnidadInsumo   VARCHAR(4)  COLLATE SINCASO,
    Cantidad         FLOAT,
    PRIMARY KEY (IDARTICULO, IdArticuloInsumo)
);
-- By supply, carrying what the projection by supply reads of each line: the
-- rows themselves are never visited.
CREATE INDEX IX_V_MA_INSUMOS_INSUMO ON V_MA_INSUMOS (IdArticuloInsumo, IdArticulo, Cantidad);


CREATE TABLE V_MA_PRECIOSCAB (
    IDLISTA   VARCHAR(4)  COLLATE SINCASO NOT NULL PRIMARY KEY,
    NOMBRE    VARCHAR(50) COLLATE SINCASO,
    TIPOLISTA VARCHAR(1)  COLLATE SINCASO
);

CREATE TABLE V_MA_PRECIOS (
    IDLISTA             VARCHAR(4)  COLLATE SINCASO NOT NULL,
    IDARTICULO          VARCHAR(25) COLLATE SINCASO NOT NULL,
    IDARTICULOPROVEEDOR VARCHAR(25) COLLATE SINCASO,
    idunidad            VARCHAR(4)  COLLATE SINCASO,
    TIPOLISTA           VARCHAR(1)  COLLATE SINCASO,
    Precio              DECIMAL(18,4),
    PRIMARY KEY (IDLISTA, IDARTICULO)
);

-- The browse view of the start-up window. Its first two columns are the family
-- code and description: the family tree takes columns 0 and 1 of its join.
CREATE VIEW VT_INS_ARTICULOS AS
SELECT a.IdFamilia          AS IdFamilia,
       f.Descripcion        AS DescrFamilia,
       a.IDARTICULO         AS IdArticulo,
       a.Descripcion        AS Descripcion,
       a.Presentacion       AS Presentacion,
       a.IdUnidad           AS IdUnidad,
       a.Costo              AS Costo,
       a.idTipo             AS idTipo,
       t.Descripcion        AS DescrTipo,
       a.IdRubro            AS IDRUBRO,
       r.Descripcion        AS DescrRubros,
       a.CuentaProveedor    AS CuentaProveedor,
       p.RAZON_SOCIAL       AS NombreProveedor,
       p.RAZON_SOCIAL       AS Razon_Social,
       a.CuentaProveedor    AS Proveedor,
       a.CodigoArtProveedor AS CodigoArtProveedor,
       a.SUSPENDIDO         AS suspendido
  FROM V_MA_ARTICULOS a
  LEFT JOIN V_TA_FAMILIAS f     ON f.IdFamilia = a.IdFamilia
  LEFT JOIN V_TA_TipoArticulo t ON t.IdTipo = a.idTipo
  LEFT JOIN V_TA_RUBROS r       ON r.IdRubro = a.IdRubro
  LEFT JOIN VT_PROVEEDORES p    ON p.CODIGO = a.CuentaProveedor;

-- One row per rubro: the rubro tree joins it to the articles by rubro alone.
CREATE VIEW VT_RubroTipoDescripciones AS
SELECT r.IdRubro     AS IDRUBRO,
       r.Descripcion AS DescrRubros,
       NULL          AS IdTipo,
       NULL          AS DescrTipo
  FROM V_TA_RUBROS r;

-- ---- Units, equivalences and stock ------------------------------------------------------
CREATE TABLE S_TA_EQUIV (
    IdArticulo     VARCHAR(25) COLLATE SINCASO NOT NULL,
    IDUNIDAD       VARCHAR(4)  COLLATE SINCASO NOT NULL,
    IDUNIDAD_EQUIV VARCHAR(4)  COLLATE SINCASO NOT NULL,
    Coeficiente    FLOAT,
    PRIMARY KEY (IdArticulo, IDUNIDAD, IDUNIDAD_EQUIV)
);

CREATE TABLE STK_SALDOS_UNIDADES (
    IDARTICULO   VARCHAR(25) COLLATE SINCASO NOT NULL,
    EQUIVALENCIA VARCHAR(4)  COLLATE SINCASO NOT NULL,
    IDDEPOSITO   VARCHAR(4)  COLLATE SINCASO NOT NULL,
    STOCK        FLOAT,
    PRIMARY KEY (IDARTICULO, EQUIVALENCIA, IDDEPOSITO)
);

CREATE TABLE STK_STOCK_UDKG (
    IDARTICULO VARCHAR(25) COLLATE SINCASO NOT NULL,
    IDDEPOSITO VARCHAR(4)  COLLATE SINCASO NOT NULL,
    CantidadUd FLOAT,
    PRIMARY KEY (IDARTICULO, IDDEPOSITO)
);

-- Stock by lot, serial number and position: signed quantities, the balance is the sum.
CREATE TABLE STK_SERIES_Y_LOTES (
    Id         INTEGER PRIMARY KEY AUTOINCREMENT,
    IDARTICULO VARCHAR(25) COLLATE SINCASO NOT NULL,
    IdDeposito VARCHAR(4)  COLLATE SINCASO NOT NULL,
    NroLote    VARCHAR(25) COLLATE SINCASO,
    NroSerie   VARCHAR(25) COLLATE SINCASO,
    IdPosicion VARCHAR(15) COLLATE SINCASO,
    CANTIDAD   FLOAT
);

CREATE TABLE ma_posiciones (
    iddeposito   VARCHAR(4)  COLLATE SINCASO NOT NULL,
    idposicion   VARCHAR(15) COLLATE SINCASO NOT NULL,
    ordeningreso INTEGER,
    PRIMARY KEY (iddeposito, idposicion)
);

CREATE TABLE AC_SALDOSLAYOUT (
    iddeposito   VARCHAR(4)  COLLATE SINCASO NOT NULL,
    idposicion   VARCHAR(15) COLLATE SINCASO,
    nrolote      VARCHAR(25) COLLATE SINCASO,
    idarticulo   VARCHAR(25) COLLATE SINCASO NOT NULL,
    idunidadbase VARCHAR(4)  COLLATE SINCASO,
    saldo        FLOAT
);

-- ---- Production-plan drafts (model vouchers marked "@@PP") ---------------------------------
CREATE TABLE V_CPTES_MODELO_CAB (
    IdCpteModelo    INTEGER     NOT NULL PRIMARY KEY,
    Nombre          VARCHAR(50) COLLATE SINCASO,
    Detalle         VARCHAR(50) COLLATE SINCASO,
    TCDefault       VARCHAR(4)  COLLATE SINCASO,
    DepositoOrigen  VARCHAR(4)  COLLATE SINCASO,
    DepositoDestino VARCHAR(4)  COLLATE SINCASO,
    IdMotivoStock   VARCHAR(4)  COLLATE SINCASO,
    AnclarAlMenu    VARCHAR(1)  COLLATE SINCASO
);

-- A plan may hold one article on several lines: no key on the lines.
CREATE TABLE V_CPTES_MODELO_DET (
    IdCpteModelo INTEGER     NOT NULL,
    IdArticulo   VARCHAR(25) COLLATE SINCASO,
    Cantidad     FLOAT,
    IdUnidad     VARCHAR(4)  COLLATE SINCASO,
    FechaComp    DATETIME    COLLATE FECHA
);
-- The projection joins plan lines to articles and supplies by code.
CREATE INDEX IX_V_CPTES_MODELO_DET_ARTICULO ON V_CPTES_MODELO_DET (IdArticulo);

CREATE INDEX IX_V_CPTES_MODELO_DET ON V_CPTES_MODELO_DET (IdCpteModelo);

-- ---- Voucher numbering: second book table, used accounting numbers, journals and entries ----
-- Branch defaults of the books are numbers: the book is located both by a quoted
-- branch ('0003') and by a bare one (3).
CREATE TABLE TA_Comprobantes (
    CODIGO                 VARCHAR(4)  COLLATE SINCASO NOT NULL,
    SISTEMA                VARCHAR(20) COLLATE SINCASO NOT NULL,
    TALONARIO              INTEGER     NOT NULL DEFAULT 1,
    A_ULTIMO_NRO INTEGER DEFAULT 0, A_SUC_DEFAULT INTEGER,
    B_ULTIMO_NRO INTEGER DEFAULT 0, B_SUC_DEFAULT INTEGER,
    C_ULTIMO_NRO INTEGER DEFAULT 0, C_SUC_DEFAULT INTEGER,
    E_ULTIMO_NRO INTEGER DEFAULT 0, E_SUC_DEFAULT INTEGER,
    R_ULTIMO_NRO INTEGER DEFAULT 0, R_SUC_DEFAULT INTEGER,
    X_ULTIMO_NRO INTEGER DEFAULT 0, X_SUC_DEFAULT INTEGER,
    M_ULTIMO_NRO INTEGER DEFAULT 0, M_SUC_DEFAULT INTEGER,
    fechahora_modificacion DATETIME COLLATE FECHA,
    PRIMARY KEY (CODIGO, SISTEMA, TALONARIO)
);

-- The accounting numbers already used, one row per voucher.
CREATE TABLE V_MV_CTROL_CPTE (
    TC       VARCHAR(4) COLLATE SINCASO NOT NULL,
    SUCURSAL VARCHAR(4) COLLATE SINCASO NOT NULL,
    NUMERO   VARCHAR(8) COLLATE SINCASO NOT NULL,
    LETRA    VARCHAR(1) COLLATE SINCASO NOT NULL
);

CREATE TABLE MA_SUBDIARIOS (
    CODIGO      VARCHAR(4)  COLLATE SINCASO NOT NULL PRIMARY KEY,
    Descripcion VARCHAR(50) COLLATE SINCASO
);

CREATE TABLE MA_SUBDIARIOSCOMPROBANTES (
    TC        VARCHAR(4) COLLATE SINCASO NOT NULL PRIMARY KEY,
    Subdiario VARCHAR(4) COLLATE SINCASO
);

-- Accounting entries, one row per line ("@ADMIN_MV_ASIENTOS" names this table).
CREATE TABLE MV_ASIENTOS (
    Id                  INTEGER PRIMARY KEY AUTOINCREMENT,
    Cuenta              VARCHAR(20)  COLLATE SINCASO,
    Secuencia           INTEGER,
    Mes_Operativo       INTEGER,
    [Numero Asiento]    INTEGER,
    Fecha               DATETIME     COLLATE FECHA,
    FechaSubDiario      DATETIME     COLLATE FECHA,
    Detalle             VARCHAR(100) COLLATE SINCASO,
    TC                  VARCHAR(4)   COLLATE SINCASO,
    SUCURSAL            VARCHAR(4)   COLLATE SINCASO,
    NUMERO              VARCHAR(8)   COLLATE SINCASO,
    LETRA               VARCHAR(1)   COLLATE SINCASO,
    PERIODO             INTEGER,
    Tipo_Reg            VARCHAR(4)   COLLATE SINCASO,
    [DEBE-HABER]        VARCHAR(1)   COLLATE SINCASO,
    FechaHora_Grabacion DATETIME     COLLATE FECHA,
    USUARIO_LOGEADO     VARCHAR(50)  COLLATE SINCASO,
    Importe             DECIMAL(18,4),
    Moneda              VARCHAR(4)   COLLATE SINCASO,
    Cotizacion          DECIMAL(18,4),
    CABImporte          DECIMAL(18,4),
    CABCuenta           VARCHAR(20)  COLLATE SINCASO,
    CABNombre           VARCHAR(50)  COLLATE SINCASO,
    Unegocio            VARCHAR(4)   COLLATE SINCASO,
    IdCajas             VARCHAR(4)   COLLATE SINCASO,
    TC_ORIGEN           VARCHAR(4)   COLLATE SINCASO,
    CPTE_ORIGEN         VARCHAR(13)  COLLATE SINCASO
);

-- Cost-centre lines of the entries ("@ADMIN_MV_ASIENTOSCCOSTO").
CREATE TABLE MV_ASIENTOSCCOSTO (
    Id               INTEGER PRIMARY KEY AUTOINCREMENT,
    Mes_Operativo    INTEGER,
    [Numero Asiento] INTEGER,
    PERIODO          INTEGER,
    Tipo_Reg         VARCHAR(4)  COLLATE SINCASO,
    Cuenta           VARCHAR(20) COLLATE SINCASO,
    IdCentroCosto    VARCHAR(4)  COLLATE SINCASO,
    Importe          DECIMAL(18,4)
);

-- ---- Stored vouchers the number proposal looks at ------------------------------------------
-- Stock movement lines: one row per line of a stock voucher. Automatic lots are
-- stored with one leading blank.
CREATE TABLE V_MV_STOCK (
    Id            INTEGER PRIMARY KEY AUTOINCREMENT,
    TC            VARCHAR(4)  COLLATE SINCASO NOT NULL,
    IDCOMPROBANTE VARCHAR(13) COLLATE SINCASO NOT NULL,
    Secuencia     INTEGER,
    IDARTICULO    VARCHAR(25) COLLATE SINCASO,
    IDDEPOSITO    VARCHAR(4)  COLLATE SINCASO,
    CANTIDAD      FLOAT,
    NroLote       VARCHAR(25) COLLATE SINCASO,
    NroSerie      VARCHAR(25) COLLATE SINCASO,
    IdComplemento INTEGER     DEFAULT 0,
    TC_ORIGEN            VARCHAR(4)  COLLATE SINCASO,
    IDCOMPROBANTE_ORIGEN VARCHAR(13) COLLATE SINCASO
);
CREATE INDEX IX_V_MV_STOCK ON V_MV_STOCK (TC, IDCOMPROBANTE);

CREATE TABLE MV_VIAJES (
    TC            VARCHAR(4)  COLLATE SINCASO NOT NULL,
    IDCOMPROBANTE VARCHAR(13) COLLATE SINCASO NOT NULL,
    PRIMARY KEY (TC, IDCOMPROBANTE)
);

-- Sales voucher headers (read only here; kept as a table in the embedded database),
-- keyed by type, id and complement, with the voucher each was made from
-- (ANULADA 0: in force). A delivery note is pending while it is neither
-- finished, complementary nor blocked.
CREATE TABLE V_MV_CPTE (
    TC                VARCHAR(4)   COLLATE SINCASO NOT NULL,
    IDCOMPROBANTE     VARCHAR(13)  COLLATE SINCASO NOT NULL,
    IdComplemento     INTEGER      NOT NULL DEFAULT 0,
    CUENTA            VARCHAR(20)  COLLATE SINCASO,
    Importe           FLOAT,
    ANULADA           INTEGER      DEFAULT 0,
    TCORIGEN          VARCHAR(4)   COLLATE SINCASO,
    COMPROBANTEORIGEN VARCHAR(13)  COLLATE SINCASO,
    COMPLEMENTOORIGEN VARCHAR(10)  COLLATE SINCASO,
    ID                INTEGER,
    NOMBRE            VARCHAR(100) COLLATE SINCASO,
    FECHA             DATETIME     COLLATE FECHA,
    APROBADO          INTEGER      DEFAULT 0,
    COMPLEMENTARIO    INTEGER      NOT NULL DEFAULT 0,
    FINALIZADA        INTEGER      NOT NULL DEFAULT 0,
    BLOQUEADA         INTEGER      NOT NULL DEFAULT 0,
    OBSERVACIONES     VARCHAR(255) COLLATE SINCASO,
    COMENTARIOS       VARCHAR(255) COLLATE SINCASO,
    FechaPreparacion  DATETIME     COLLATE FECHA,
    IdPalm            VARCHAR(20)  COLLATE SINCASO,
    FechaHora_Grabacion    DATETIME COLLATE FECHA,
    FechaHora_Modificacion DATETIME COLLATE FECHA,
    PRIMARY KEY (TC, IDCOMPROBANTE, IdComplemento)
);

-- Purchase voucher headers, keyed by type, id and supplier account.
CREATE TABLE C_MV_CPTE (
    TC            VARCHAR(4)   COLLATE SINCASO NOT NULL,
    IDCOMPROBANTE VARCHAR(13)  COLLATE SINCASO NOT NULL,
    SUCURSAL      VARCHAR(4)   COLLATE SINCASO,
    NUMERO        VARCHAR(8)   COLLATE SINCASO,
    LETRA         VARCHAR(1)   COLLATE SINCASO,
    CUENTA        VARCHAR(20)  COLLATE SINCASO NOT NULL DEFAULT '',
    ID            INTEGER,
    NOMBRE        VARCHAR(100) COLLATE SINCASO,
    FECHA         DATETIME     COLLATE FECHA,
    Importe       FLOAT,
    ANULADA       INTEGER      DEFAULT 0,
    APROBADO      INTEGER      DEFAULT 0,
    FINALIZADO    INTEGER      NOT NULL DEFAULT 0,
    COMENTARIOS   VARCHAR(255) COLLATE SINCASO,
    GARANTIA      INTEGER      DEFAULT 0,
    PRIMARY KEY (TC, IDCOMPROBANTE, CUENTA)
);

-- ---- Voucher relations, line limits and charges ------------------------------------------
-- The suite's consolidated views of voucher lines and of the stock moved
-- against a voucher, one row per voucher and article.
CREATE TABLE VT_V_MV_CPTEINSUMOS_CONS2 (
    TC            VARCHAR(4)  COLLATE SINCASO,
    IDCOMPROBANTE VARCHAR(13) COLLATE SINCASO,
    IDARTICULO    VARCHAR(25) COLLATE SINCASO,
    Cantidad      FLOAT
);

CREATE TABLE VT_V_MV_Stock_Cons (
    TC            VARCHAR(4)  COLLATE SINCASO,
    IDCOMPROBANTE VARCHAR(13) COLLATE SINCASO,
    IDARTICULO    VARCHAR(25) COLLATE SINCASO,
    CANTIDAD      FLOAT
);

-- Applied charges with their open balance, per account.
CREATE TABLE V_MV_CargosAplicados (
    CUENTA VARCHAR(20) COLLATE SINCASO,
    SALDO  FLOAT
);

-- Item lines of the printed form per voucher type and letter.
CREATE TABLE TA_CONFIG_IMP_CPTE (
    ID         INTEGER PRIMARY KEY AUTOINCREMENT,
    TC         VARCHAR(4) COLLATE SINCASO,
    LETRA      VARCHAR(1) COLLATE SINCASO,
    CANTLINEAS INTEGER
);

-- ---- Look-up tables of the pick lists: purchase and sale conditions, customs origins ----------
-- HABILITADOPARA: 'V' for sales, 'C' for purchases, NULL for both.
CREATE TABLE V_TA_CPRA_VTA (
    IDCOND_CPRA_VTA VARCHAR(4)  COLLATE SINCASO NOT NULL PRIMARY KEY,
    DESCRIPCION     VARCHAR(50) COLLATE SINCASO,
    HABILITADOPARA  VARCHAR(1)  COLLATE SINCASO
);

CREATE TABLE V_TA_ORIGEN (
    IdOrigen    VARCHAR(4)  COLLATE SINCASO NOT NULL PRIMARY KEY,
    Descripcion VARCHAR(50) COLLATE SINCASO
);

-- ---- Stock accounting entries: reasons with their accounts, article accounts, audit rows ----------
-- The stock reasons, each with the account of its contra line.
CREATE TABLE V_TA_MOTIVOSTOCK (
    IDMOTIVOSTOCK  VARCHAR(4)  COLLATE SINCASO NOT NULL PRIMARY KEY,
    Descripcion    VARCHAR(50) COLLATE SINCASO,
    CUENTACONTABLE VARCHAR(20) COLLATE SINCASO
);

-- Sales reasons and the cost-of-goods account of each (the "CMV" entry of a sale).
CREATE TABLE V_TA_MotivoVta (
    IdMotivoVta VARCHAR(4)  COLLATE SINCASO NOT NULL PRIMARY KEY,
    Descripcion VARCHAR(50) COLLATE SINCASO
);

CREATE TABLE V_TA_Input_Ventas (
    IdMotivoVta      VARCHAR(4)  COLLATE SINCASO NOT NULL PRIMARY KEY,
    COSTO_MERCADERIA VARCHAR(20) COLLATE SINCASO
);

-- The accounting account of an article's stock.
ALTER TABLE V_MA_ARTICULOS ADD COLUMN cuentacontableC VARCHAR(20) COLLATE SINCASO;

-- Who created, changed (A, M) or deleted (B) a voucher, where and when.
CREATE TABLE V_MV_CPTEACCIONES (
    Id             INTEGER PRIMARY KEY AUTOINCREMENT,
    TC             VARCHAR(4)  COLLATE SINCASO,
    IdComprobante  VARCHAR(13) COLLATE SINCASO,
    IdComplemento  INTEGER,
    Tipo_accion    VARCHAR(1)  COLLATE SINCASO,
    FECHAHORA      DATETIME    COLLATE FECHA,
    Usuario        VARCHAR(50) COLLATE SINCASO,
    PC             VARCHAR(50) COLLATE SINCASO,
    SYSTEMUSER     VARCHAR(50) COLLATE SINCASO,
    NUMEROASIENTO  DECIMAL(18,4)
);

-- ---- Stock posting: the columns of a movement line and of a supply line -------------------------
ALTER TABLE V_MV_STOCK ADD COLUMN Fecha              DATETIME      COLLATE FECHA;
ALTER TABLE V_MV_STOCK ADD COLUMN IdCaja             VARCHAR(4)    COLLATE SINCASO;
ALTER TABLE V_MV_STOCK ADD COLUMN IDDEPOSITO_DESTINO VARCHAR(4)    COLLATE SINCASO;
ALTER TABLE V_MV_STOCK ADD COLUMN IdPosicion         VARCHAR(15)   COLLATE SINCASO;
ALTER TABLE V_MV_STOCK ADD COLUMN Descripcion        VARCHAR(100)  COLLATE SINCASO;
ALTER TABLE V_MV_STOCK ADD COLUMN ControladoPor      VARCHAR(50)   COLLATE SINCASO;
ALTER TABLE V_MV_STOCK ADD COLUMN IdOrigen           VARCHAR(4)    COLLATE SINCASO;
ALTER TABLE V_MV_STOCK ADD COLUMN IdUnidad           VARCHAR(4)    COLLATE SINCASO;
ALTER TABLE V_MV_STOCK ADD COLUMN CantidadUD         FLOAT;
ALTER TABLE V_MV_STOCK ADD COLUMN IdUnidadBase       VARCHAR(4)    COLLATE SINCASO;
ALTER TABLE V_MV_STOCK ADD COLUMN CuentaProveedor    VARCHAR(20)   COLLATE SINCASO;
ALTER TABLE V_MV_STOCK ADD COLUMN IdMotivoStock      VARCHAR(4)    COLLATE SINCASO;
ALTER TABLE V_MV_STOCK ADD COLUMN PrecioVenta        DECIMAL(18,4);
ALTER TABLE V_MV_STOCK ADD COLUMN Importe_S_Iva      DECIMAL(18,4);
ALTER TABLE V_MV_STOCK ADD COLUMN Costo              DECIMAL(18,4);
ALTER TABLE V_MV_STOCK ADD COLUMN Impuestos          DECIMAL(18,4);
ALTER TABLE V_MV_STOCK ADD COLUMN DtoItem            DECIMAL(18,4);
ALTER TABLE V_MV_STOCK ADD COLUMN Id_Origen          DECIMAL(18,4);
ALTER TABLE V_MV_STOCK ADD COLUMN IVARI              DECIMAL(18,4);
ALTER TABLE V_MV_STOCK ADD COLUMN IVARNI             DECIMAL(18,4);
ALTER TABLE V_MV_STOCK ADD COLUMN IdTecnico          VARCHAR(4)    COLLATE SINCASO;
ALTER TABLE V_MV_STOCK ADD COLUMN EQUIV_UDBASE       FLOAT;
ALTER TABLE V_MV_STOCK ADD COLUMN IDINSERT           DECIMAL(18,4);
ALTER TABLE V_MV_STOCK ADD COLUMN IDCOMPULSA         DECIMAL(18,4);
ALTER TABLE V_MV_STOCK ADD COLUMN Oferta             INTEGER;
ALTER TABLE V_MV_STOCK ADD COLUMN IdVendedor         VARCHAR(10)   COLLATE SINCASO;
ALTER TABLE V_MV_STOCK ADD COLUMN Importe_Ud         DECIMAL(18,4);
ALTER TABLE V_MV_STOCK ADD COLUMN Ud_Pr              VARCHAR(4)    COLLATE SINCASO;
ALTER TABLE V_MV_STOCK ADD COLUMN UNEGOCIO           VARCHAR(4)    COLLATE SINCASO;
ALTER TABLE V_MV_STOCK ADD COLUMN ARTMONEDA          VARCHAR(4)    COLLATE SINCASO;
ALTER TABLE V_MV_STOCK ADD COLUMN ARTCOTIZACION      DECIMAL(18,4);
ALTER TABLE V_MV_STOCK ADD COLUMN EnComodato         INTEGER;
ALTER TABLE V_MV_STOCK ADD COLUMN CANT_BL            INTEGER;
ALTER TABLE V_MV_STOCK ADD COLUMN CANT_KG            INTEGER;
ALTER TABLE V_MV_STOCK ADD COLUMN CANT_M3            INTEGER;
-- When a purchase order was received.
ALTER TABLE C_MV_CPTE ADD COLUMN FechaRecepcion DATETIME COLLATE FECHA;
-- Whether an article is made here ("PRODUCCION") or bought to be sold ("REVENTA").
ALTER TABLE V_MA_ARTICULOS ADD COLUMN PROCEDENCIA VARCHAR(20) COLLATE SINCASO;

-- ---- Voucher picker: transport trips, applications, third-party vouchers, pending views ----------
-- Stock lines carry their trip and whether the trip was checked; a reception
-- ("IR") is found by the order it came from.
ALTER TABLE V_MV_STOCK ADD COLUMN IDVIAJE VARCHAR(13) COLLATE SINCASO;
ALTER TABLE V_MV_STOCK ADD COLUMN Revisado INTEGER NOT NULL DEFAULT 0;
CREATE INDEX IX_V_MV_STOCK_ORIGEN ON V_MV_STOCK (TC_ORIGEN, IDCOMPROBANTE_ORIGEN);

-- Which voucher was applied to which: an invoice made from delivery notes.
CREATE TABLE MV_APLICACION (
    Id                   INTEGER PRIMARY KEY AUTOINCREMENT,
    TC                   VARCHAR(4)  COLLATE SINCASO,
    IDCOMPROBANTE        VARCHAR(13) COLLATE SINCASO,
    Tco_Origen           VARCHAR(4)  COLLATE SINCASO,
    IDComprobante_Origen VARCHAR(13) COLLATE SINCASO
);

-- Vouchers sent to third parties ("T3"), with when they went and came back.
CREATE TABLE V_MV_CPTETERCEROS (
    ID            INTEGER NOT NULL PRIMARY KEY,
    FECHA         DATETIME    COLLATE FECHA,
    IDCOMPROBANTE VARCHAR(13) COLLATE SINCASO,
    IDCOMPLEMENTO INTEGER     DEFAULT 0,
    FECHAENVIADO  DATETIME    COLLATE FECHA,
    FECHARECIBIDO DATETIME    COLLATE FECHA
);

-- Pending vouchers: not finished; delivery notes also neither complementary nor blocked.
CREATE VIEW V_RemitosPendientes AS
    SELECT CUENTA, ANULADA, NOMBRE, APROBADO, TC, IDCOMPROBANTE, ID, FECHA, Importe
    FROM V_MV_CPTE WHERE FINALIZADA = 0 AND COMPLEMENTARIO = 0 AND BLOQUEADA = 0;

CREATE VIEW C_RemitosPendientes AS
    SELECT CUENTA, ANULADA, NOMBRE, TC, IDCOMPROBANTE, ID, FECHA, Importe
    FROM C_MV_CPTE WHERE FINALIZADO = 0;

CREATE VIEW V_OT_Pendientes AS
    SELECT CUENTA, ANULADA, NOMBRE, APROBADO, TC, IDCOMPROBANTE, ID, FECHA, Importe, IdComplemento,
           FechaHora_Grabacion, FechaHora_Modificacion
    FROM V_MV_CPTE WHERE FINALIZADA = 0;

CREATE VIEW V_PR_PENDIENTES AS
    SELECT CUENTA, ANULADA, NOMBRE, APROBADO, TC, IDCOMPROBANTE, ID, FECHA, Importe, COMENTARIOS
    FROM V_MV_CPTE WHERE FINALIZADA = 0;

-- ---- Stored vouchers loaded into a new voucher: headers, article lines, tasks, other concepts ----
-- The header's round of delivery (-1: delivered by rounds), exchange rate,
-- customer VAT condition and loan flag, on sales and purchase headers alike.
ALTER TABLE V_MV_CPTE ADD COLUMN IdReparto    INTEGER;
ALTER TABLE V_MV_CPTE ADD COLUMN Cotizacion   FLOAT;
ALTER TABLE V_MV_CPTE ADD COLUMN CondicionIva VARCHAR(2) COLLATE SINCASO;
ALTER TABLE V_MV_CPTE ADD COLUMN EnComodato   INTEGER;
ALTER TABLE C_MV_CPTE ADD COLUMN IdReparto    INTEGER;
ALTER TABLE C_MV_CPTE ADD COLUMN Cotizacion   FLOAT;
ALTER TABLE C_MV_CPTE ADD COLUMN CondicionIva VARCHAR(2) COLLATE SINCASO;
ALTER TABLE C_MV_CPTE ADD COLUMN EnComodato   INTEGER;

-- Article lines of stored vouchers, sales (V_) and purchases (C_) alike.
CREATE TABLE V_MV_CPTEINSUMOS (
    ID                 INTEGER PRIMARY KEY,
    TC                 VARCHAR(4)  COLLATE SINCASO,
    IDCOMPROBANTE      VARCHAR(13) COLLATE SINCASO,
    IdComplemento      INTEGER DEFAULT 0,
    CUENTA             VARCHAR(20) COLLATE SINCASO,
    IdArticulo         VARCHAR(25) COLLATE SINCASO,
    Descripcion        VARCHAR(100) COLLATE SINCASO,
    IdUnidadBase       VARCHAR(4)  COLLATE SINCASO,
    IdUnidad           VARCHAR(4)  COLLATE SINCASO,
    Ud_Pr              VARCHAR(4)  COLLATE SINCASO,
    Equiv_UDBase       FLOAT,
    Cantidad           FLOAT,
    CantidadUd         FLOAT,
    CANT_KG            FLOAT,
    CANT_M3            FLOAT,
    Cant_BL            FLOAT,
    Cantidadpreparada  FLOAT,
    CANTIDADAFACTURAR  FLOAT,
    Espesor            FLOAT,
    Ancho              FLOAT,
    AlicIVA            FLOAT,
    PorcDto            FLOAT,
    Importe            DECIMAL(18,4),
    Importe_S_IVA      DECIMAL(18,4),
    Impuestos          DECIMAL(18,4),
    iTC                DECIMAL(18,4),
    Total              DECIMAL(18,4),
    TotalFinal         DECIMAL(18,4),
    Costo              DECIMAL(18,4),
    Precio_Lista       DECIMAL(18,4),
    Importe_Ud         DECIMAL(18,4),
    Exento             BIT,
    IdLista            VARCHAR(4)  COLLATE SINCASO,
    IdDeposito         VARCHAR(4)  COLLATE SINCASO,
    Secuencia          INTEGER,
    Recepcion          INTEGER,
    PALLETS            INTEGER,
    Presentacion       VARCHAR(50) COLLATE SINCASO,
    ControladoPor      VARCHAR(25) COLLATE SINCASO,
    IdOrigen           VARCHAR(25) COLLATE SINCASO,
    CodigoArtProveedor VARCHAR(25) COLLATE SINCASO,
    Nro_Lote           TEXT        COLLATE SINCASO,
    Nro_Serie          TEXT        COLLATE SINCASO
);
CREATE INDEX IX_V_MV_CPTEINSUMOS ON V_MV_CPTEINSUMOS (TC, IDCOMPROBANTE);

CREATE TABLE C_MV_CPTEINSUMOS (
    ID                 INTEGER PRIMARY KEY,
    TC                 VARCHAR(4)  COLLATE SINCASO,
    IDCOMPROBANTE      VARCHAR(13) COLLATE SINCASO,
    IdComplemento      INTEGER DEFAULT 0,
    CUENTA             VARCHAR(20) COLLATE SINCASO,
    IdArticulo         VARCHAR(25) COLLATE SINCASO,
    Descripcion        VARCHAR(100) COLLATE SINCASO,
    IdUnidadBase       VARCHAR(4)  COLLATE SINCASO,
    IdUnidad           VARCHAR(4)  COLLATE SINCASO,
    Ud_Pr              VARCHAR(4)  COLLATE SINCASO,
    Equiv_UDBase       FLOAT,
    Cantidad           FLOAT,
    CantidadUd         FLOAT,
    CANT_KG            FLOAT,
    CANT_M3            FLOAT,
    Cant_BL            FLOAT,
    Cantidadpreparada  FLOAT,
    CANTIDADAFACTURAR  FLOAT,
    Espesor            FLOAT,
    Ancho              FLOAT,
    AlicIVA            FLOAT,
    PorcDto            FLOAT,
    Importe            DECIMAL(18,4),
    Importe_S_IVA      DECIMAL(18,4),
    Impuestos          DECIMAL(18,4),
    iTC                DECIMAL(18,4),
    Total              DECIMAL(18,4),
    TotalFinal         DECIMAL(18,4),
    Costo              DECIMAL(18,4),
    Precio_Lista       DECIMAL(18,4),
    Importe_Ud         DECIMAL(18,4),
    Exento             BIT,
    IdLista            VARCHAR(4)  COLLATE SINCASO,
    IdDeposito         VARCHAR(4)  COLLATE SINCASO,
    Secuencia          INTEGER,
    Recepcion          INTEGER,
    PALLETS            INTEGER,
    Presentacion       VARCHAR(50) COLLATE SINCASO,
    ControladoPor      VARCHAR(25) COLLATE SINCASO,
    IdOrigen           VARCHAR(25) COLLATE SINCASO,
    CodigoArtProveedor VARCHAR(25) COLLATE SINCASO,
    Nro_Lote           TEXT        COLLATE SINCASO,
    Nro_Serie          TEXT        COLLATE SINCASO
);
CREATE INDEX IX_C_MV_CPTEINSUMOS ON C_MV_CPTEINSUMOS (TC, IDCOMPROBANTE);

-- Task lines: Horas in minutes.
CREATE TABLE V_MV_CPTETAREAS (
    ID                   INTEGER PRIMARY KEY,
    TC                   VARCHAR(4)   COLLATE SINCASO,
    IDCOMPROBANTE        VARCHAR(13)  COLLATE SINCASO,
    IdComplemento        INTEGER DEFAULT 0,
    CUENTA               VARCHAR(20)  COLLATE SINCASO,
    IDTAREA              VARCHAR(20)  COLLATE SINCASO,
    Descripcion          VARCHAR(100) COLLATE SINCASO,
    Horas                INTEGER,
    ValorHora            DECIMAL(18,4),
    valorHora_S_Iva      DECIMAL(18,4),
    Total                DECIMAL(18,4),
    descripcionadicional VARCHAR(255) COLLATE SINCASO,
    FechaEstInicio       DATETIME     COLLATE FECHA,
    FechaEstFin          DATETIME     COLLATE FECHA,
    IdTecnico            VARCHAR(20)  COLLATE SINCASO,
    FechaREALInicio      DATETIME     COLLATE FECHA,
    FechaREALFin         DATETIME     COLLATE FECHA,
    Prioridad            VARCHAR(10)  COLLATE SINCASO,
    Usuario              VARCHAR(50)  COLLATE SINCASO,
    FHPRESENTACION       DATETIME     COLLATE FECHA,
    FHEMISION            DATETIME     COLLATE FECHA,
    NROEXP               VARCHAR(20)  COLLATE SINCASO,
    FhEntrega            VARCHAR(20)  COLLATE SINCASO
);

CREATE TABLE C_MV_CPTETAREAS (
    ID                   INTEGER PRIMARY KEY,
    TC                   VARCHAR(4)   COLLATE SINCASO,
    IDCOMPROBANTE        VARCHAR(13)  COLLATE SINCASO,
    IdComplemento        INTEGER DEFAULT 0,
    CUENTA               VARCHAR(20)  COLLATE SINCASO,
    IDTAREA              VARCHAR(20)  COLLATE SINCASO,
    Descripcion          VARCHAR(100) COLLATE SINCASO,
    Horas                INTEGER,
    ValorHora            DECIMAL(18,4),
    valorHora_S_Iva      DECIMAL(18,4),
    Total                DECIMAL(18,4),
    descripcionadicional VARCHAR(255) COLLATE SINCASO,
    FechaEstInicio       DATETIME     COLLATE FECHA,
    FechaEstFin          DATETIME     COLLATE FECHA,
    IdTecnico            VARCHAR(20)  COLLATE SINCASO,
    FechaREALInicio      DATETIME     COLLATE FECHA,
    FechaREALFin         DATETIME     COLLATE FECHA,
    Prioridad            VARCHAR(10)  COLLATE SINCASO,
    Usuario              VARCHAR(50)  COLLATE SINCASO,
    FHPRESENTACION       DATETIME     COLLATE FECHA,
    FHEMISION            DATETIME     COLLATE FECHA,
    NROEXP               VARCHAR(20)  COLLATE SINCASO,
    FhEntrega            VARCHAR(20)  COLLATE SINCASO
);

-- Free-text lines of a voucher; TIPO_OBS 'OC' are the other concepts, with an amount.
CREATE TABLE V_MV_CPTE_Observ (
    ID            INTEGER PRIMARY KEY,
    TC            VARCHAR(4)   COLLATE SINCASO,
    IDCOMPROBANTE VARCHAR(13)  COLLATE SINCASO,
    IdComplemento INTEGER DEFAULT 0,
    CUENTA        VARCHAR(20)  COLLATE SINCASO,
    TIPO_OBS      VARCHAR(4)   COLLATE SINCASO,
    Observacion   VARCHAR(200) COLLATE SINCASO,
    Importe       DECIMAL(18,4),
    Importe_S_IVA DECIMAL(18,4),
    NroViaje      VARCHAR(20)  COLLATE SINCASO
);

CREATE TABLE C_MV_CPTE_Observ (
    ID            INTEGER PRIMARY KEY,
    TC            VARCHAR(4)   COLLATE SINCASO,
    IDCOMPROBANTE VARCHAR(13)  COLLATE SINCASO,
    IdComplemento INTEGER DEFAULT 0,
    CUENTA        VARCHAR(20)  COLLATE SINCASO,
    TIPO_OBS      VARCHAR(4)   COLLATE SINCASO,
    Observacion   VARCHAR(200) COLLATE SINCASO,
    Importe       DECIMAL(18,4),
    Importe_S_IVA DECIMAL(18,4),
    NroViaje      VARCHAR(20)  COLLATE SINCASO
);

-- The suite's consolidated view of the quantities already invoiced from a
-- delivery note or an order, per article.
CREATE TABLE VT_V_MV_INSUMOS_APLICACION (
    TCO_ORIGEN          VARCHAR(4)  COLLATE SINCASO,
    IDCOMPROBANTEORIGEN VARCHAR(13) COLLATE SINCASO,
    IDARTICULO          VARCHAR(25) COLLATE SINCASO,
    CantidadAplicada    FLOAT
);

-- A heading groups accounts and takes no entries.
ALTER TABLE MA_CUENTAS ADD COLUMN Titulo BIT DEFAULT 0;

-- ---- Article data a loaded voucher line takes from the article ----------------------------------
-- PIDEEQUIVALENCIA has no default: Null (never set) is a state of its own.
ALTER TABLE V_MA_ARTICULOS ADD COLUMN PIDEEQUIVALENCIA BIT;
-- The sales account of the article.
ALTER TABLE V_MA_ARTICULOS ADD COLUMN CuentaContable VARCHAR(20) COLLATE SINCASO;

-- ---- Prices, rates and measures a loaded voucher line takes from the article and its list --------
-- (The article's origin, PROCEDENCIA, marks law-exempt goods "EXENTO LEY".)
ALTER TABLE V_MA_ARTICULOS ADD COLUMN TasaIVA      FLOAT;
ALTER TABLE V_MA_ARTICULOS ADD COLUMN Descripabrev VARCHAR(30) COLLATE SINCASO;
ALTER TABLE V_MA_ARTICULOS ADD COLUMN PIDEMEDIDAS  BIT DEFAULT 0;
-- A price list whose prices include VAT.
ALTER TABLE V_MA_PRECIOSCAB ADD COLUMN CONIVA BIT DEFAULT 0;

CREATE VIEW VT_MA_PRECIOS_ARTICULOS AS
SELECT p.IDARTICULO AS IDARTICULO, p.IDLISTA AS IDLISTA, p.TIPOLISTA AS TIPOLISTA, c.CONIVA AS CONIVA
FROM V_MA_PRECIOS p JOIN V_MA_PRECIOSCAB c ON c.IDLISTA = p.IDLISTA;
