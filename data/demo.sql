-- Demo data: a small furniture workshop, "Carpintería del Sauce".
-- Each group below has its header; append new groups at the end.

-- ---- Settings read at start-up ----------------------------------------------------
INSERT INTO TA_CONFIGURACION (CLAVE, VALOR, VALORAUX, Grupo, PoliticaNegocio) VALUES
    ('TOP_DEFAULT',            '500',  NULL, 'General',   0),
    ('CANTIDADDECIMALES',      '2',    NULL, 'General',   0),
    ('DEPOSITODEFAULT',        '1',    NULL, 'Stock',     0),
    ('PIDEDEPOSITOENCPTES',    'SI',   NULL, 'Stock',     0),
    ('MOSTRARSTOCKENCONSULTAS','SI',   NULL, 'Stock',     0),
    ('USA_STK_STOCK_UDKG',     'NO',   NULL, 'Stock',     0),
    ('UNIDADDEMEDIDA_M3',      'M3',   NULL, 'Stock',     0),
    ('UNIDADDEMEDIDA_KG',      'KG',   NULL, 'Stock',     0),
    ('UNIDADDEMEDIDA_BL',      'CAJ',  NULL, 'Stock',     0),
    ('MODULOORDENDETRABAJO',   'SI',   NULL, 'General',   0),
    ('MADERERA',               'NO',   NULL, 'General',   0),
    ('PERIODO',                '2026', NULL, 'Contable',  0),
    ('CONDIVAEMPRESA',         '1',    NULL, 'Impuestos', 0),
    ('THEME',                  '1',    NULL, 'General',   0);

-- ---- Users, menu and tasks ------------------------------------------------------------
INSERT INTO TA_Usuarios (Nombre, UNegocio, verproforma, sucot, letot) VALUES
    ('SUPERVISOR', '1', 0, '0001', 'X'),
    ('ANA',        '1', 0, '0001', 'X');

INSERT INTO TA_MENU (Clave, Proceso, Nombre) VALUES
    ('PRD01', 'V_Pelmaro', 'Estructura de Productos'),
    ('STK01', 'Mosquena',  'Ficha de Stock');

INSERT INTO TA_TAREAS (USUARIO, TAREA) VALUES
    ('SUPERVISOR', 'PRD01'),
    ('SUPERVISOR', 'STK01'),
    ('ANA',        'PRD01');

-- ---- Cash boxes and voucher types ----------------------------------------------------------
INSERT INTO V_TA_Cajas (IdCajas, Descripcion) VALUES ('1', 'CAJA TALLER');

INSERT INTO V_TA_CPTE (CODIGO, TALONARIO, Descripcion, LETRAS, Externo, Modificanumeracion, Sistema, ES, Signo,
                       DebeHaber, X_ULTIMO_NRO, X_SUC_DEFAULT, fechahora_modificacion) VALUES
    ('IR', 1, 'Ingreso de producción', 'X', 'NO', 'SI', 'STOCK', 'E', 1, 'D', 1, '0001', '02/01/26 09:00');

-- ---- Rubros, brands, families, suppliers, units and depots -----------------------------------
INSERT INTO V_TA_RUBROS (IdRubro, Descripcion) VALUES
    ('MUE', 'Muebles'),
    ('MAD', 'Maderas y tableros'),
    ('HER', 'Herrajes y fijaciones'),
    ('TER', 'Terminaciones y tapicería');

INSERT INTO V_TA_TipoArticulo (IdTipo, Descripcion) VALUES
    ('CLA', 'Línea Clásica'),
    ('NOR', 'Línea Nórdica'),
    ('ASJ', 'Aserradero San Javier'),
    ('LIT', 'Herrajes del Litoral'),
    ('PAR', 'Pinturas Paraná');

INSERT INTO V_TA_FAMILIAS (IdFamilia, Descripcion) VALUES
    ('01',   'Muebles de interior'),
    ('0101', 'Mesas'),
    ('0102', 'Sillas y banquetas'),
    ('02',   'Insumos de carpintería');

INSERT INTO VT_PROVEEDORES (CODIGO, RAZON_SOCIAL, CUIT) VALUES
    ('P0001', 'Aserradero San Javier S.R.L.', '30712345671'),
    ('P0002', 'Herrajes del Litoral S.A.',    '30698765432'),
    ('P0003', 'Pinturas Paraná S.A.',         '30655544433');

INSERT INTO V_TA_UNIDAD (IdUnidad, Descripcion) VALUES
    ('UN',  'Unidad'),
    ('PAR', 'Par'),
    ('CAJ', 'Caja'),
    ('PLA', 'Placa'),
    ('M2',  'Metro cuadrado'),
    ('ML',  'Metro lineal'),
    ('LT',  'Litro'),
    ('KG',  'Kilogramo');

INSERT INTO V_TA_DEPOSITO (IdDeposito, Descripcion) VALUES
    ('1', 'Depósito central'),
    ('2', 'Taller de armado');

-- ---- Finished articles (rubro MUE), grouped by brand within the rubro -----------------------
INSERT INTO V_MA_ARTICULOS (IDARTICULO, Descripcion, Presentacion, idTipo, IdRubro, IdFamilia, IdUnidad, UD_STOCK,
                            Costo, Impuestos, CuentaProveedor, PuntoMaximo, PuntoPedido, SUSPENDIDO) VALUES
    ('MESA01',  'Mesa de comedor de pino',     '160 x 90 cm',  'CLA', 'MUE', '0101', 'UN', 'UN',  85000, 0, NULL, 10, 2, 0),
    ('MESA03',  'Mesa de luz de pino',         '2 cajones',    'CLA', 'MUE', '0101', 'UN', 'UN',  32000, 0, NULL, 12, 3, 0),
    ('BIBLI01', 'Biblioteca de MDF',           '5 estantes',   'CLA', 'MUE', '01',   'UN', 'UN',  61000, 0, NULL,  6, 1, 0),
    ('PLAC01',  'Placard de MDF',              '3 puertas',    'CLA', 'MUE', '01',   'UN', 'UN', 148000, 0, NULL,  4, 1, 0),
    ('CAMA01',  'Cama de pino',                '2 plazas',     'CLA', 'MUE', '01',   'UN', 'UN',  97000, 0, NULL,  5, 1, 0),
    ('CAJON01', 'Cajonera de pino',            '4 cajones',    'CLA', 'MUE', '01',   'UN', 'UN',  54000, 0, NULL,  6, 2, 0),
    ('MESA02',  'Mesa ratona de roble',        '100 x 50 cm',  'NOR', 'MUE', '0101', 'UN', 'UN',  46000, 0, NULL,  8, 2, 0),
    ('SILLA02', 'Silla nórdica de roble',      'Asiento macizo','NOR', 'MUE', '0102', 'UN', NULL, 29000, 0, NULL, 40, 8, 0),
    ('BANCO01', 'Banqueta alta de roble',      '75 cm',        'NOR', 'MUE', '0102', 'UN', 'UN',  24000, 0, NULL, 20, 4, 0),
    ('ESCR01',  'Escritorio de roble',         '120 x 60 cm',  'NOR', 'MUE', '01',   'UN', 'UN',  73000, 0, NULL,  5, 1, 0),
    ('RACK01',  'Rack para TV de roble',       '180 cm',       'NOR', 'MUE', '01',   'UN', 'UN',  58000, 0, NULL,  0, 0, 1);

-- The chair sold by the unit, in pairs and in boxes of four: one barcode per unit.
INSERT INTO V_MA_ARTICULOS (IDARTICULO, Descripcion, Presentacion, idTipo, IdRubro, IdFamilia, IdUnidad, UD_STOCK,
                            Costo, Impuestos, CuentaProveedor, PuntoMaximo, PuntoPedido, SUSPENDIDO,
                            codigobarra, CODIGOBARRADUN, UD_TTE, CODIGOBARRA1, UMCB1, CODIGOBARRA2, UMCB2) VALUES
    ('SILLA01', 'Silla de pino tapizada', 'Asiento de tela', 'CLA', 'MUE', '0102', 'UN', 'UN', 21000, 0, NULL, 48, 12, 0,
     '7791234000017', '17791234000014', 'CAJ', '7791234000024', 'PAR', '7791234000031', NULL);

-- ---- Supplies (family 02) ------------------------------------------------------------------------
INSERT INTO V_MA_ARTICULOS (IDARTICULO, Descripcion, Presentacion, idTipo, IdRubro, IdFamilia, IdUnidad, UD_STOCK,
                            Costo, Impuestos, CuentaProveedor, CodigoArtProveedor, PuntoMaximo, PuntoPedido,
                            UsaLote, Perecedero, SUSPENDIDO) VALUES
    ('TABPIN', 'Tabla de pino cepillada',     '1 x 6 pulgadas',  'ASJ', 'MAD', '02', 'ML',  'ML',   950, 0, 'P0001', 'AS-P16',  600, 150, 0, 0, 0),
    ('TABROB', 'Tabla de roble cepillada',    '1 x 4 pulgadas',  'ASJ', 'MAD', '02', 'ML',  'ML',  2400, 0, 'P0001', 'AS-R14',  300,  80, 0, 0, 0),
    ('PLAMDF', 'Placa de MDF 18 mm',          '1,83 x 2,60 m',   'ASJ', 'MAD', '02', 'PLA', 'PLA', 38000, 0, 'P0001', 'AS-MDF18', 40,  10, 0, 0, 0),
    ('TORN01', 'Tornillo para madera 4 x 40', 'Caja de 100',     'LIT', 'HER', '02', 'CAJ', 'CAJ',  3200, 0, 'P0002', 'HL-T440', 50,  10, 0, 0, 0),
    ('BISA01', 'Bisagra cazoleta 35 mm',      'Con cierre suave','LIT', 'HER', '02', 'UN',  'UN',    850, 0, 'P0002', 'HL-B35', 200,  40, 0, 0, 0),
    ('CORR01', 'Corredera telescópica 45 cm', 'Par',             'LIT', 'HER', '02', 'PAR', 'PAR',  6900, 0, 'P0002', 'HL-C45', 60,  12, 0, 0, 0),
    ('BARN01', 'Barniz poliuretánico',        'Lata de 1 litro', 'PAR', 'TER', '02', 'LT',  'LT',   7800, 0, 'P0003', 'PP-BP1',  40,  10, 1, 1, 0),
    ('COLA01', 'Cola vinílica',               'Balde de 1 kg',   'PAR', 'TER', '02', 'KG',  'KG',   4100, 0, 'P0003', 'PP-CV1',  30,   8, 0, 0, 0),
    ('TELA01', 'Tela para tapizar',           'Rollo de 1,40 m', 'PAR', 'TER', '02', 'ML',  'ML',   5600, 0, 'P0003', 'PP-TT14', 80,  20, 0, 0, 0);

-- ---- Bills of supplies ------------------------------------------------------------------------------
INSERT INTO V_MA_INSUMOS (IDARTICULO, IdArticuloInsumo, IdUnidadInsumo, Cantidad) VALUES
    ('MESA01',  'TABPIN', 'ML',  14),   ('MESA01',  'TORN01', 'CAJ', 0.2), ('MESA01',  'BARN01', 'LT', 0.5), ('MESA01', 'COLA01', 'KG', 0.1),
    ('MESA02',  'TABROB', 'ML',  6),    ('MESA02',  'TORN01', 'CAJ', 0.1), ('MESA02',  'BARN01', 'LT', 0.3),
    ('MESA03',  'TABPIN', 'ML',  5),    ('MESA03',  'CORR01', 'PAR', 2),   ('MESA03',  'BARN01', 'LT', 0.2),
    ('SILLA01', 'TABPIN', 'ML',  4),    ('SILLA01', 'TELA01', 'ML',  0.5), ('SILLA01', 'COLA01', 'KG', 0.05),
    ('SILLA02', 'TABROB', 'ML',  4),    ('SILLA02', 'BARN01', 'LT',  0.2),
    ('BANCO01', 'TABROB', 'ML',  3),    ('BANCO01', 'BARN01', 'LT',  0.15),
    ('BIBLI01', 'PLAMDF', 'PLA', 1),    ('BIBLI01', 'TORN01', 'CAJ', 0.3),
    ('PLAC01',  'PLAMDF', 'PLA', 3),    ('PLAC01',  'BISA01', 'UN',  6),   ('PLAC01',  'TORN01', 'CAJ', 0.5),
    ('ESCR01',  'TABROB', 'ML',  8),    ('ESCR01',  'CORR01', 'PAR', 1),   ('ESCR01',  'BARN01', 'LT', 0.4),
    ('CAMA01',  'TABPIN', 'ML',  22),   ('CAMA01',  'TORN01', 'CAJ', 0.4), ('CAMA01',  'BARN01', 'LT', 0.8),
    ('CAJON01', 'TABPIN', 'ML',  9),    ('CAJON01', 'CORR01', 'PAR', 4),   ('CAJON01', 'BARN01', 'LT', 0.3),
    ('RACK01',  'TABROB', 'ML',  7),    ('RACK01',  'BISA01', 'UN',  4);

-- ---- Price lists (a sales list and the sawmill's purchase list) --------------------------------
INSERT INTO V_MA_PRECIOSCAB (IDLISTA, NOMBRE, TIPOLISTA) VALUES
    ('1',  'Lista de ventas mostrador', 'V'),
    ('C1', 'Compras Aserradero San Javier', 'C');

INSERT INTO V_MA_PRECIOS (IDLISTA, IDARTICULO, IDARTICULOPROVEEDOR, idunidad, TIPOLISTA, Precio) VALUES
    ('1',  'MESA01',  NULL,       'UN',  'V', 178000),
    ('1',  'SILLA01', NULL,       'UN',  'V',  44000),
    ('1',  'MESA02',  NULL,       'UN',  'V',  92000),
    ('C1', 'TABPIN',  'AS-P16',   'ML',  'C',    950),
    ('C1', 'TABROB',  'AS-R14',   'ML',  'C',   2400),
    ('C1', 'PLAMDF',  'AS-MDF18', 'PLA', 'C',  38000);

-- ---- Units, equivalences and stock in two depots ---------------------------------------------------
INSERT INTO S_TA_EQUIV (IdArticulo, IDUNIDAD, IDUNIDAD_EQUIV, Coeficiente) VALUES
    ('PLAMDF',  'PLA', 'M2', 4.758),
    ('TORN01',  'CAJ', 'UN', 100),
    ('SILLA01', 'PAR', 'UN', 2),
    ('SILLA01', 'CAJ', 'UN', 4);

INSERT INTO STK_SALDOS_UNIDADES (IDARTICULO, EQUIVALENCIA, IDDEPOSITO, STOCK) VALUES
    ('MESA01',  'UN',  '1', 4),    ('MESA01',  'UN',  '2', 1),
    ('MESA02',  'UN',  '1', 3),
    ('SILLA01', 'UN',  '1', 24),   ('SILLA01', 'UN',  '2', 6),   ('SILLA01', 'PAR', '1', 12),
    ('CAJON01', 'UN',  '1', 2),
    ('TABPIN',  'ML',  '1', 340),  ('TABPIN',  'ML',  '2', 55),
    ('TABROB',  'ML',  '1', 120),
    ('PLAMDF',  'PLA', '1', 18),   ('PLAMDF',  'M2',  '1', 85.644),
    ('TORN01',  'CAJ', '1', 22),   ('TORN01',  'CAJ', '2', 3),
    ('BARN01',  'LT',  '1', 20),   ('BARN01',  'LT',  '2', 4),
    ('COLA01',  'KG',  '2', 6);

INSERT INTO STK_STOCK_UDKG (IDARTICULO, IDDEPOSITO, CantidadUd) VALUES
    ('MESA01', '1', 4), ('MESA01', '2', 1), ('SILLA01', '1', 24), ('SILLA01', '2', 6);

-- The varnish is kept by lot, on two shelf positions of the central depot.
INSERT INTO STK_SERIES_Y_LOTES (IDARTICULO, IdDeposito, NroLote, NroSerie, IdPosicion, CANTIDAD) VALUES
    ('BARN01', '1', 'L2601', NULL, 'A-01-01', 12),
    ('BARN01', '1', 'L2602', NULL, 'A-01-02', 8),
    ('BARN01', '2', 'L2602', NULL, NULL,      4);

INSERT INTO ma_posiciones (iddeposito, idposicion, ordeningreso) VALUES
    ('1', 'A-01-01', 1),
    ('1', 'A-01-02', 2);

INSERT INTO AC_SALDOSLAYOUT (iddeposito, idposicion, nrolote, idarticulo, idunidadbase, saldo) VALUES
    ('1', 'A-01-01', 'L2601', 'BARN01', 'LT', 12),
    ('1', 'A-01-02', 'L2602', 'BARN01', 'LT', 8),
    ('2', NULL,      'L2602', 'BARN01', 'LT', 4);

-- ---- A stored production-plan draft -------------------------------------------------------------------
INSERT INTO V_CPTES_MODELO_CAB (IdCpteModelo, Nombre, Detalle, TCDefault, DepositoOrigen, DepositoDestino,
                                IdMotivoStock, AnclarAlMenu) VALUES
    (1, '15/01/2027', 'Pedido de la mueblería Río Sur', '@@PP', '', '', '', '0');

INSERT INTO V_CPTES_MODELO_DET (IdCpteModelo, IdArticulo, Cantidad, IdUnidad, FechaComp) VALUES
    (1, 'MESA01',  4,  'UN', '15/01/2027'),
    (1, 'SILLA01', 16, 'UN', '15/01/2027'),
    (1, 'MESA03',  2,  'UN', '15/01/2027');

-- ---- Number books, journals and a booked invoice ---------------------------------------------
-- Every book has a range: a book whose next number reaches its upper bound is used up.
UPDATE V_TA_CPTE SET X_NRO_DESDE = 1, X_NRO_HASTA = 99999999 WHERE CODIGO = 'IR';

INSERT INTO V_TA_CPTE (CODIGO, TALONARIO, Descripcion, LETRAS, UNEGOCIO, Externo, Modificanumeracion, Sistema, ES,
                       Signo, DebeHaber,
                       A_ULTIMO_NRO, A_NRO_DESDE, A_NRO_HASTA, A_SUC_DEFAULT,
                       B_ULTIMO_NRO, B_NRO_DESDE, B_NRO_HASTA, B_SUC_DEFAULT,
                       X_ULTIMO_NRO, X_NRO_DESDE, X_NRO_HASTA, X_SUC_DEFAULT, fechahora_modificacion) VALUES
    ('FC',  1, 'Factura',                'A,B', NULL, 'NO', 'NO', 'Ventas',   'S', -1, 'D',
     147, 1, 5000, 1,   89, 1, 5000, 1,    0, 0, 0, NULL,          '05/01/26 18:30'),
    ('FC',  2, 'Factura (feria)',        'A',   NULL, 'NO', 'NO', 'Ventas',   'S', -1, 'D',
     12,  1, 500,  2,    0, 0, 0, NULL,    0, 0, 0, NULL,          '05/01/26 18:30'),
    ('NC',  1, 'Nota de crédito',        'A,B', NULL, 'NO', 'NO', 'Ventas',   'E',  1, 'H',
     9,   1, 2000, 1,    4, 1, 2000, 1,    0, 0, 0, NULL,          '05/01/26 18:30'),
    ('AJP', 1, 'Ajuste positivo de stock','X',  NULL, 'NO', 'SI', 'STOCK',    'E',  1, 'D',
     0,   0, 0, NULL,    0, 0, 0, NULL,    6, 1, 99999999, 1,      '05/01/26 18:30'),
    ('AJN', 1, 'Ajuste negativo de stock','X',  NULL, 'NO', 'SI', 'STOCK',    'S', -1, 'H',
     0,   0, 0, NULL,    0, 0, 0, NULL,    3, 1, 99999999, 1,      '05/01/26 18:30'),
    ('CMV', 1, 'Costo de mercadería vendida','X', NULL, 'NO', 'SI', 'Contable', 'S', -1, 'D',
     0,   0, 0, NULL,    0, 0, 0, NULL,    2, 1, 99999999, 1,      '05/01/26 18:30');

INSERT INTO MA_SUBDIARIOS (CODIGO, Descripcion) VALUES
    ('VT', 'Subdiario de ventas'),
    ('ST', 'Subdiario de stock');

INSERT INTO MA_SUBDIARIOSCOMPROBANTES (TC, Subdiario) VALUES
    ('FC', 'VT'), ('NC', 'VT'), ('CMV', 'ST');

-- Invoice A 0001-00000146 and its entry 1 of January.
INSERT INTO MV_ASIENTOS (Cuenta, Secuencia, Mes_Operativo, [Numero Asiento], Fecha, FechaSubDiario, Detalle, TC, SUCURSAL,
                         NUMERO, LETRA, PERIODO, Tipo_Reg, [DEBE-HABER], USUARIO_LOGEADO, Importe, Moneda, Cotizacion) VALUES
    ('1.1.3.01', 1, 1, 1, '05/01/26', '05/01/26', 'Factura A 0001-00000146', 'FC', '0001', '00000146', 'A', 2026, 'VT', 'D',
     'SUPERVISOR', 178000, '   1', 1),
    ('4.1.1.01', 2, 1, 1, '05/01/26', '05/01/26', 'Factura A 0001-00000146', 'FC', '0001', '00000146', 'A', 2026, 'VT', 'H',
     'SUPERVISOR', 178000, '   1', 1);
INSERT INTO V_MV_CTROL_CPTE (TC, SUCURSAL, NUMERO, LETRA) VALUES ('CMV', '0001', '00000001', 'X');

-- ---- Printed forms: item lines per voucher type and letter -------------------------------------------
INSERT INTO TA_CONFIG_IMP_CPTE (TC, LETRA, CANTLINEAS) VALUES
    ('FC', 'A', 20),
    ('FC', 'B', 20),
    ('RM', 'X', 25);

-- ---- Look-ups: purchase and sale conditions, customs origins, chart of accounts ------------------
INSERT INTO V_TA_CPRA_VTA (IDCOND_CPRA_VTA, DESCRIPCION, HABILITADOPARA) VALUES
    ('1', 'Contado',                  'V'),
    ('2', 'Cuenta corriente 30 días', NULL),
    ('3', 'Cheque diferido 60 días',  'C');

INSERT INTO V_TA_ORIGEN (IdOrigen, Descripcion) VALUES
    ('AR', 'Argentina'),
    ('BR', 'Brasil'),
    ('CL', 'Chile'),
    ('CN', 'China');

INSERT INTO MA_CUENTAS (Codigo, CodigoOpcional, Descripcion) VALUES
    ('1.1.1.01', 'CAJA',     'Caja'),
    ('1.1.3.01', 'DEUVEN',   'Deudores por ventas'),
    ('1.1.5.01', 'MERCAD',   'Mercaderías'),
    ('4.1.1.01', 'VENTAS',   'Ventas'),
    ('5.1.2.01', 'FLETES',   'Fletes y acarreos'),
    ('5.1.3.01', 'MATPRIMA', 'Materia prima consumida');

-- ---- An article sold by the box and stocked by the unit; a stored stock adjustment ------------
-- Bronze knobs come in boxes of 12 (0.6 kg a box) and are counted one by one.
INSERT INTO V_MA_ARTICULOS (IDARTICULO, Descripcion, Presentacion, idTipo, IdRubro, IdFamilia, IdUnidad, UD_STOCK,
                            Costo, Impuestos, CuentaProveedor, CodigoArtProveedor, PuntoMaximo, PuntoPedido, SUSPENDIDO) VALUES
    ('PERI01', 'Perilla de bronce 30 mm', 'Caja de 12', 'LIT', 'HER', '02', 'CAJ', 'UN', 9600, 0, 'P0002', 'HL-P30', 20, 4, 0);

INSERT INTO S_TA_EQUIV (IdArticulo, IDUNIDAD, IDUNIDAD_EQUIV, Coeficiente) VALUES
    ('PERI01', 'CAJ', 'UN', 12),
    ('PERI01', 'CAJ', 'KG', 0.6);

INSERT INTO STK_SALDOS_UNIDADES (IDARTICULO, EQUIVALENCIA, IDDEPOSITO, STOCK) VALUES
    ('PERI01', 'UN', '1', 96), ('PERI01', 'UN', '2', 30), ('PERI01', 'CAJ', '1', 8);

INSERT INTO STK_STOCK_UDKG (IDARTICULO, IDDEPOSITO, CantidadUd) VALUES
    ('PERI01', '1', 96), ('PERI01', '2', 30);

-- The positive adjustment 0001-00000005 X that brought the knobs in.
INSERT INTO V_MV_STOCK (TC, IDCOMPROBANTE, Secuencia, IDARTICULO, IDDEPOSITO, CANTIDAD, NroLote) VALUES
    ('AJP', '000100000005X', 1, 'PERI01', '1', 96, NULL),
    ('AJP', '000100000005X', 2, 'PERI01', '2', 30, NULL);

-- ---- Stock accounting: the inventory-difference reason and the articles' accounts -------------
INSERT INTO MA_CUENTAS (Codigo, CodigoOpcional, Descripcion) VALUES
    ('1.1.5.02', 'PRODTERM', 'Productos terminados'),
    ('5.1.4.01', 'DIFINV',   'Diferencias de inventario');

INSERT INTO V_TA_MOTIVOSTOCK (IDMOTIVOSTOCK, Descripcion, CUENTACONTABLE) VALUES
    ('DINV', 'Diferencia de inventario', '5.1.4.01');

-- Finished furniture is booked as finished goods, supplies as goods.
UPDATE V_MA_ARTICULOS SET cuentacontableC = '1.1.5.02' WHERE IdRubro = 'MUE';
UPDATE V_MA_ARTICULOS SET cuentacontableC = '1.1.5.01' WHERE IdFamilia = '02';

INSERT INTO MA_SUBDIARIOSCOMPROBANTES (TC, Subdiario) VALUES ('AJP', 'ST'), ('AJN', 'ST');

-- ---- Lots and serial numbers: a reclining armchair, its motors, the fabric's colours -------------
-- The armchair is tracked by serial number; its motors come in lots and each has a serial number.
INSERT INTO V_MA_ARTICULOS (IDARTICULO, Descripcion, Presentacion, idTipo, IdRubro, IdFamilia, IdUnidad, UD_STOCK,
                            Costo, Impuestos, CuentaProveedor, CodigoArtProveedor, PuntoMaximo, PuntoPedido,
                            UsaSerie, UsaLote, SUSPENDIDO, cuentacontableC) VALUES
    ('SILLON01', 'Sillón reclinable eléctrico', 'Tapizado en tela', 'CLA', 'MUE', '01', 'UN', 'UN', 210000, 0, NULL, NULL,
     4, 1, 1, 0, 0, '1.1.5.02'),
    ('MOTOR01', 'Motor para sillón reclinable', '24 V con control', 'LIT', 'HER', '02', 'UN', 'UN', 38000, 0, 'P0002',
     'HL-MR24', 10, 2, 1, 1, 0, '1.1.5.01');

-- The upholstery fabric is kept by colour: each colour is a lot.
UPDATE V_MA_ARTICULOS SET UsaLote = 1, UsaTalle = 1 WHERE IDARTICULO = 'TELA01';

INSERT INTO STK_SERIES_Y_LOTES (IDARTICULO, IdDeposito, NroLote, NroSerie, IdPosicion, CANTIDAD) VALUES
    ('SILLON01', '1', NULL, 'SR-0001', NULL, 1),
    ('SILLON01', '1', NULL, 'SR-0002', NULL, 1),
    ('SILLON01', '1', NULL, 'SR-0003', NULL, 1),
    ('SILLON01', '2', NULL, 'SR-0004', NULL, 1),
    ('MOTOR01',  '1', 'M2601', 'MT-1001', NULL, 1),
    ('MOTOR01',  '1', 'M2601', 'MT-1002', NULL, 1),
    ('MOTOR01',  '1', 'M2602', 'MT-2001', NULL, 1),
    ('TELA01',   '1', 'GRIS',  NULL, NULL, 30),
    ('TELA01',   '1', 'BEIGE', NULL, NULL, 25),
    ('BARN01',   '1', 'L2601', NULL, NULL, 2),
    ('BARN01',   '1', 'L2603', NULL, NULL, 1);

-- The plain balances agree with the sums by lot and serial number.
INSERT INTO STK_SALDOS_UNIDADES (IDARTICULO, EQUIVALENCIA, IDDEPOSITO, STOCK) VALUES
    ('SILLON01', 'UN', '1', 3), ('SILLON01', 'UN', '2', 1),
    ('MOTOR01',  'UN', '1', 3),
    ('TELA01',   'ML', '1', 55);
UPDATE STK_SALDOS_UNIDADES SET STOCK = 23 WHERE IDARTICULO = 'BARN01' AND EQUIVALENCIA = 'LT' AND IDDEPOSITO = '1';

-- ---- Stock posting: voucher types, journals, reasons, settings, a kit and a serial-numbered tool ----
INSERT INTO V_TA_CPTE (CODIGO, TALONARIO, Descripcion, LETRAS, Externo, Modificanumeracion, Sistema, ES, Signo,
                       DebeHaber, X_ULTIMO_NRO, X_NRO_DESDE, X_NRO_HASTA, X_SUC_DEFAULT, fechahora_modificacion) VALUES
    ('RM',  1, 'Remito',                         'X', 'NO', 'NO', 'Ventas',  'S', NULL, 'D', 0, 1, 99999999, 1, '05/01/26 18:30'),
    ('TR',  1, 'Transferencia entre depósitos',  'X', 'NO', 'SI', 'STOCK',   'S', NULL, 'D', 0, 1, 99999999, 1, '05/01/26 18:30'),
    ('OP',  1, 'Orden de producción',            'X', 'NO', 'SI', 'STOCK',   'E', NULL, 'D', 0, 1, 99999999, 1, '05/01/26 18:30'),
    ('FCC', 1, 'Factura de compra',              'A', 'SI', 'SI', 'COMPRAS', 'E', NULL, 'H', 0, 0, 0, NULL, '05/01/26 18:30'),
    ('RMC', 1, 'Remito de compra',               'X', 'SI', 'SI', 'COMPRAS', 'E', NULL, 'H', 0, 1, 99999999, 1, '05/01/26 18:30'),
    ('OC',  1, 'Orden de compra',                'X', 'NO', 'SI', 'COMPRAS', NULL, NULL, 'H', 0, 1, 99999999, 1, '05/01/26 18:30'),
    ('PE',  1, 'Consumo de insumos',             'X', 'NO', 'SI', 'STOCK',   'E', NULL, 'D', 1, 1, 99999999, 1, '05/01/26 18:30');

INSERT INTO MA_SUBDIARIOSCOMPROBANTES (TC, Subdiario) VALUES ('RM', 'ST'), ('TR', 'ST'), ('OP', 'ST'), ('PE', 'ST');

INSERT INTO MA_CUENTAS (Codigo, CodigoOpcional, Descripcion) VALUES
    ('5.1.1.01', 'CMV', 'Costo de mercadería vendida');

INSERT INTO V_TA_MOTIVOSTOCK (IDMOTIVOSTOCK, Descripcion, CUENTACONTABLE) VALUES
    ('VTA', 'Salida por venta',              '5.1.1.01'),
    ('TRF', 'Transferencia entre depósitos', '1.1.5.01');

INSERT INTO TA_CONFIGURACION (CLAVE, VALOR, VALORAUX, Grupo, PoliticaNegocio) VALUES
    ('AsientosXStock',            'SI',  NULL, 'Contable', 0),
    ('MotivoStockDefault',        'VTA', NULL, 'Stock',    0),
    ('MotivoStockRemito',         'VTA', NULL, 'Stock',    0),
    ('MotivoStockTransferencias', 'TRF', NULL, 'Stock',    0);

-- The furniture is made in the workshop; the kit is bought and sold as it comes.
UPDATE V_MA_ARTICULOS SET PROCEDENCIA = 'PRODUCCION' WHERE IdRubro = 'MUE';

INSERT INTO V_MA_ARTICULOS (IDARTICULO, Descripcion, Presentacion, idTipo, IdRubro, IdFamilia, IdUnidad, UD_STOCK,
                            Costo, Impuestos, CuentaProveedor, CodigoArtProveedor, PuntoMaximo, PuntoPedido,
                            UsaSerie, SUSPENDIDO, cuentacontableC, PROCEDENCIA) VALUES
    ('KIT01',   'Kit de herrajes para placard', 'Bolsa',         'LIT', 'HER', '02', 'UN', 'UN', 12000, 0, 'P0002', 'HL-K01',  30, 5, 0, 0, '1.1.5.01', 'REVENTA'),
    ('ATORN01', 'Atornillador inalámbrico',     '12 V con maletín', 'LIT', 'HER', '02', 'UN', 'UN', 65000, 0, 'P0002', 'HL-AT12', 6, 1, 1, 0, '1.1.5.01', 'REVENTA');

INSERT INTO V_MA_INSUMOS (IDARTICULO, IdArticuloInsumo, IdUnidadInsumo, Cantidad) VALUES
    ('KIT01', 'BISA01', 'UN',  6),
    ('KIT01', 'TORN01', 'CAJ', 0.5),
    ('KIT01', 'BARN01', 'LT',  0.25),
    ('KIT01', '*Instructivo de armado', 'UN', 1);

-- ---- Stored vouchers for the voucher picker ------------------------------------------------------
-- Sales headers: invoices, delivery notes (pending, finished, complementary, blocked), sales and work
-- orders, quotations and one voucher of each other sales type.
INSERT INTO V_MV_CPTE (TC, IDCOMPROBANTE, IdComplemento, CUENTA, NOMBRE, ID, FECHA, Importe, ANULADA, APROBADO,
                       COMPLEMENTARIO, FINALIZADA, BLOQUEADA, OBSERVACIONES, COMENTARIOS, FechaPreparacion,
                       FechaHora_Grabacion) VALUES
    ('FC',   '000100000146A', 0, 'C0001', 'Mueblería Los Álamos',  1, '05/01/26', 178000,  0, 1, 0, 1, 0, 'Entrega en el local', NULL, NULL, '05/01/26 10:15'),
    ('FC',   '000100000147A', 0, 'C0002', 'Carpintería El Roble',  2, '06/01/26', 96500.5, 1, 1, 0, 0, 0, NULL, NULL, NULL, NULL),
    ('FC',   '000200000012B', 0, 'C0004', 'D''Angelo Hnos.',       3, '08/01/26', 45200,   0, 1, 0, 0, 0, NULL, NULL, NULL, NULL),
    ('RM',   '000100000310X', 0, 'C0001', 'Mueblería Los Álamos',  4, '03/01/26', 178000,  0, 1, 0, 1, 0, 'Camión propio', NULL, NULL, NULL),
    ('RM',   '000100000311X', 0, 'C0002', 'Carpintería El Roble',  5, '06/01/26', 96500.5, 0, 1, 0, 0, 0, 'Retira el cliente', NULL, NULL, NULL),
    ('RM',   '000100000311X', 1, 'C0002', 'Carpintería El Roble',  6, '06/01/26', 12000,   0, 1, 1, 0, 0, NULL, NULL, NULL, NULL),
    ('RM',   '000100000312X', 0, 'C0003', 'Decoraciones Sur',      7, '07/01/26', 15600,   0, 1, 0, 0, 1, NULL, NULL, NULL, NULL),
    ('RM',   '000100000313X', 0, 'C0004', 'D''Angelo Hnos.',       8, '08/01/26', 45200,   0, 1, 0, 0, 0, NULL, NULL, NULL, NULL),
    ('NP',   '000100000051X', 0, 'C0005', 'Hotel Las Cumbres',     9, '09/01/26', 320000,  0, 0, 0, 0, 0, 'Armar en obra', NULL, '10/01/26', NULL),
    ('NP',   '000100000052X', 0, 'C0001', 'Mueblería Los Álamos', 10, '10/01/26', 54000,   0, 1, 0, 0, 0, NULL, NULL, NULL, NULL),
    ('NP',   '000100000053X', 0, 'C0002', 'Carpintería El Roble', 11, '04/01/26', 97000,   0, 1, 0, 1, 0, NULL, NULL, NULL, NULL),
    ('NP',   '000100000054X', 0, 'C0003', 'Decoraciones Sur',     12, '05/01/26', 21000,   1, 0, 0, 0, 0, NULL, NULL, NULL, NULL),
    ('OT',   '000100000020X', 0, 'C0001', 'Mueblería Los Álamos', 13, '02/01/26', 85000,   0, 1, 0, 1, 0, NULL, NULL, NULL, NULL),
    ('OT',   '000100000021X', 0, 'C0002', 'Carpintería El Roble', 14, '07/01/26', 61000,   0, 1, 0, 0, 0, NULL, NULL, NULL, '07/01/26 08:40'),
    ('OT',   '000100000022X', 1, 'C0005', 'Hotel Las Cumbres',    15, '11/01/26', 148000,  0, 0, 0, 0, 0, NULL, NULL, NULL, '11/01/26 17:05'),
    ('PR',   '000100000070X', 0, 'C0001', 'Mueblería Los Álamos', 16, '20/12/25', 170000,  0, 1, 0, 1, 0, NULL, 'Aceptado y facturado', NULL, NULL),
    ('PR',   '000100000071X', 0, 'C0005', 'Hotel Las Cumbres',    17, '02/01/26', 640000,  0, 1, 0, 0, 0, NULL, 'Veinte mesas de luz', NULL, NULL),
    ('PR',   '000100000072X', 0, 'C0003', 'Decoraciones Sur',     18, '04/01/26', 32000,   0, 0, 0, 0, 0, NULL, 'Espera medidas', NULL, NULL),
    ('PR',   '000100000073X', 0, 'C0004', 'D''Angelo Hnos.',      19, '06/01/26', 97000,   1, 1, 0, 0, 0, NULL, 'Cambió de proveedor', NULL, NULL),
    ('FP',   '000100000004X', 0, 'C0001', 'Mueblería Los Álamos', 20, '03/01/26', 25000,   0, 1, 0, 1, 0, NULL, NULL, NULL, NULL),
    ('FP',   '000100000005X', 0, 'C0002', 'Carpintería El Roble', 21, '09/01/26', 18000,   0, 1, 0, 0, 0, NULL, NULL, NULL, NULL),
    ('NC',   '000100000009A', 0, 'C0004', 'D''Angelo Hnos.',      22, '09/01/26', 4500,    0, 1, 0, 0, 0, NULL, NULL, NULL, NULL),
    ('ND',   '000100000003A', 0, 'C0002', 'Carpintería El Roble', 23, '10/01/26', 1800,    0, 0, 0, 0, 0, NULL, NULL, NULL, NULL),
    ('NCFP', '000100000002X', 0, 'C0001', 'Mueblería Los Álamos', 24, '10/01/26', 2500,    0, 1, 0, 0, 0, NULL, NULL, NULL, NULL),
    ('OP',   '000100000015X', 0, 'C0005', 'Hotel Las Cumbres',    25, '12/01/26', 0,       0, 1, 0, 0, 0, NULL, NULL, NULL, NULL),
    ('GF',   '000100000006X', 0, 'C0003', 'Decoraciones Sur',     26, '12/01/26', 3200,    0, 1, 0, 0, 0, NULL, NULL, NULL, NULL);

-- Purchase headers: one invoice number from two suppliers, an annulled invoice, notes, delivery notes
-- and purchase orders (one under warranty, one not approved, one annulled, one finished).
INSERT INTO C_MV_CPTE (TC, IDCOMPROBANTE, SUCURSAL, NUMERO, LETRA, CUENTA, NOMBRE, ID, FECHA, Importe, ANULADA,
                       APROBADO, FINALIZADO, COMENTARIOS, GARANTIA) VALUES
    ('FCC', '000300001234A', '0003', '00001234', 'A', 'P0001', 'Aserradero San Javier S.R.L.', 1, '02/01/26', 285000, 0, 1, 0, NULL, 0),
    ('FCC', '000300001234A', '0003', '00001234', 'A', 'P0002', 'Herrajes del Litoral S.A.',    2, '03/01/26', 64800,  0, 1, 0, NULL, 0),
    ('FCC', '000100000877A', '0001', '00000877', 'A', 'P0003', 'Pinturas Paraná S.A.',         3, '04/01/26', 39000,  1, 1, 0, NULL, 0),
    ('NCC', '000300000077A', '0003', '00000077', 'A', 'P0001', 'Aserradero San Javier S.R.L.', 4, '07/01/26', 12500,  0, 1, 0, NULL, 0),
    ('NDC', '000300000031A', '0003', '00000031', 'A', 'P0002', 'Herrajes del Litoral S.A.',    5, '08/01/26', 3400,   0, 1, 0, NULL, 0),
    ('RMC', '000300000455R', '0003', '00000455', 'R', 'P0001', 'Aserradero San Javier S.R.L.', 6, '09/01/26', 142500, 0, 1, 0, NULL, 0),
    ('RMC', '000300000456R', '0003', '00000456', 'R', 'P0002', 'Herrajes del Litoral S.A.',    7, '10/01/26', 21600,  0, 1, 1, NULL, 0),
    ('OC',  '000100000030X', '0001', '00000030', 'X', 'P0001', 'Aserradero San Javier S.R.L.', 8, '15/12/25', 95000,  0, 1, 1, 'Recibida completa', 0),
    ('OC',  '000100000031X', '0001', '00000031', 'X', 'P0001', 'Aserradero San Javier S.R.L.', 9, '05/01/26', 142500, 0, 1, 0, 'Tablas de pino', 0),
    ('OC',  '000100000032X', '0001', '00000032', 'X', 'P0002', 'Herrajes del Litoral S.A.',   10, '06/01/26', 21600,  0, 1, 0, 'Reposición en garantía', 1),
    ('OC',  '000100000033X', '0001', '00000033', 'X', 'P0003', 'Pinturas Paraná S.A.',        11, '07/01/26', 48000,  0, 1, 0, 'Barniz y lija', 0),
    ('OC',  '000100000034X', '0001', '00000034', 'X', 'P0001', 'Aserradero San Javier S.R.L.',12, '08/01/26', 76000,  0, 0, 0, 'A confirmar', 0),
    ('OC',  '000100000035X', '0001', '00000035', 'X', 'P0002', 'Herrajes del Litoral S.A.',  13, '09/01/26', 9800,   1, 1, 0, 'Duplicada', 1);

-- Delivery notes sent with the trip "TTE" (311X applied to invoice 146A, 310X already checked,
-- 313X applied to a credit note) and the reception of purchase order 031X.
INSERT INTO V_MV_STOCK (TC, IDCOMPROBANTE, Secuencia, IDARTICULO, IDDEPOSITO, CANTIDAD, IdComplemento, FECHA,
                        CUENTAPROVEEDOR, IDVIAJE, Revisado, TC_ORIGEN, IDCOMPROBANTE_ORIGEN) VALUES
    ('RM', '000100000311X', 1, 'MESA01',  '1', -1, 0, '06/01/26', 'C0002', 'TTE', 0, NULL, NULL),
    ('RM', '000100000311X', 2, 'SILLA01', '1', -4, 0, '06/01/26', 'C0002', 'TTE', 0, NULL, NULL),
    ('RM', '000100000310X', 1, 'MESA01',  '1', -2, 0, '03/01/26', 'C0001', 'TTE', 1, NULL, NULL),
    ('RM', '000100000313X', 1, 'MESA03',  '1', -1, 0, '08/01/26', 'C0004', 'TTE', 0, NULL, NULL),
    ('IR', '000100000088X', 1, 'TABPIN',  '1', 150, 0, '12/01/26', 'P0001', NULL, 0, 'OC', '000100000031X');

INSERT INTO MV_APLICACION (TC, IDCOMPROBANTE, Tco_Origen, IDComprobante_Origen) VALUES
    ('FC', '000100000146A', 'RM', '000100000311X'),
    ('FC', '000100000146A', 'RM', '000100000310X'),
    ('NC', '000100000009A', 'RM', '000100000313X');

INSERT INTO V_MV_CPTETERCEROS (ID, FECHA, IDCOMPROBANTE, IDCOMPLEMENTO, FECHAENVIADO, FECHARECIBIDO) VALUES
    (1, '12/01/26', '000100000146A', 0, '12/01/26 09:00', '14/01/26 16:30'),
    (2, '13/01/26', '000200000012B', 0, '13/01/26 11:00', NULL);

-- Supplier credit and debit notes booked as entries: line 1 on the supplier, line 2 on an account.
INSERT INTO MV_ASIENTOS (Cuenta, Secuencia, Fecha, Detalle, TC, SUCURSAL, NUMERO, LETRA, Importe) VALUES
    ('P0001',    1, '15/01/26', 'Bonificación por volumen',           'NCPE', '0003', '00000045', 'A', 12500),
    ('1.1.5.01', 2, '15/01/26', 'Bonificación por volumen',           'NCPE', '0003', '00000045', 'A', 12500),
    ('P0002',    1, '16/01/26', 'Intereses por pago fuera de término', 'NDPR', '0003', '00000019', 'A', 3400),
    ('5.1.2.01', 2, '16/01/26', 'Intereses por pago fuera de término', 'NDPR', '0003', '00000019', 'A', 3400);

-- ---- Stored vouchers to load into new ones: orders, a delivery note, purchase orders ----------
INSERT INTO TA_CONFIGURACION (CLAVE, VALOR, VALORAUX, Grupo, PoliticaNegocio) VALUES
    ('CONDIVA',              '1',  NULL, 'Impuestos', 0),
    ('PIVA',                 '21', NULL, 'Impuestos', 0),
    ('PreciosFinales',       'NO', NULL, 'Ventas',    0),
    ('EntregaParcialRemito', 'SI', NULL, 'Ventas',    0),
    ('DescargaStockRemitos', 'NO', NULL, 'Stock',     0),
    ('FacturaNPPreparadas',  'NO', NULL, 'Ventas',    0),
    ('OrdenaPorCodigo',      'NO', NULL, 'Ventas',    0);

INSERT INTO V_TA_CPTE (CODIGO, TALONARIO, Descripcion, LETRAS, Externo, Modificanumeracion, Sistema, ES, Signo,
                       DebeHaber, X_ULTIMO_NRO, X_NRO_DESDE, X_NRO_HASTA, X_SUC_DEFAULT, fechahora_modificacion) VALUES
    ('NP', 1, 'Nota de pedido', 'X', 'NO', 'NO', 'Ventas', 'S', -1, 'D', 16, 1, 99999999, 1, '05/01/26 18:30');

-- A heading of the chart: its word names no account to book on.
INSERT INTO MA_CUENTAS (Codigo, CodigoOpcional, Descripcion, Titulo) VALUES
    ('5.1', 'GASTOS', 'Gastos de comercialización', 1);

-- Headers: the order of Mueblería Río Sur (C0001, registered VAT payer), delivered
-- by rounds (IdReparto -1), its first delivery note, the order of Hotel Los
-- Aromos (C0002, final consumer: letter B), the order of Carpintería Los Sauces
-- (C0003) in timber measures.
INSERT INTO V_MV_CPTE (ID, TC, IDCOMPROBANTE, IdComplemento, CUENTA, NOMBRE, FECHA, Importe, ANULADA, APROBADO,
                       TCORIGEN, COMPROBANTEORIGEN, COMPLEMENTOORIGEN, IdReparto, Cotizacion, CondicionIva,
                       EnComodato) VALUES
    (101, 'NP', '000100000012X', 0, 'C0001', 'Mueblería Río Sur',      '12/01/27', 1870660, 0, 1, NULL, NULL, NULL, -1, 1, '1', 0),
    (102, 'RM', '000100000031R', 0, 'C0001', 'Mueblería Río Sur',      '14/01/27',  459800, 0, 1, 'NP', '000100000012X', '0', 0, 1, '1', 0),
    (103, 'NP', '000100000015X', 0, 'C0002', 'Hotel Los Aromos',       '13/01/27', 0,       0, 1, NULL, NULL, NULL, 0, 1, '4', 0),
    (104, 'NP', '000100000016X', 0, 'C0003', 'Carpintería Los Sauces', '13/01/27', 0,       0, 1, NULL, NULL, NULL, 0, 1, '1', 0);

INSERT INTO V_MV_CPTEINSUMOS (ID, TC, IDCOMPROBANTE, IdArticulo, Descripcion, IdUnidadBase, IdUnidad, Equiv_UDBase,
                              Cantidad, CantidadUd, Importe, Importe_S_IVA, Total, TotalFinal, IdDeposito, Secuencia,
                              PALLETS) VALUES
    (101, 'NP', '000100000012X', 'MESA01',  'Mesa de comedor de pino', 'UN', 'UN', 1, 4,  4,  215380, 178000, 712000, 861520, '1', 1, 1),
    (102, 'NP', '000100000012X', 'SILLA01', 'Silla de pino tapizada',  'UN', 'UN', 1, 16, 16, 53240,  44000,  704000, 851840, '1', 2, 1),
    (103, 'NP', '000100000012X', 'MESA03',  'Mesa de luz de pino',     'UN', 'UN', 1, 2,  2,  78650,  65000,  130000, 157300, '1', 3, 2),
    (201, 'RM', '000100000031R', 'MESA01',  'Mesa de comedor de pino', 'UN', 'UN', 1, 1,  1,  215380, 178000, 178000, 215380, '1', 1, 1),
    (202, 'RM', '000100000031R', 'SILLA01', 'Silla de pino tapizada',  'UN', 'UN', 1, 6,  6,  53240,  44000,  264000, 319440, '1', 2, 1),
    (203, 'RM', '000100000031R', 'BARN01',  'Barniz poliuretánico',    'LT', 'LT', 1, 3,  3,  11495,  9500,   28500,  34485,  '1', 3, 2),
    (301, 'NP', '000100000015X', 'MESA01', 'Mesa de comedor de pino', 'UN', 'UN', 1, 1, 1, 215380, 178000, 178000, 215380, '1', 1, 1),
    (302, 'NP', '000100000015X', 'SILLA01', 'Silla de pino tapizada', 'UN', 'UN', 1, 3, 3, 53240, 44000, 132000, 159720, '1', 2, 2),
    (303, 'NP', '000100000015X', 'MESA02', 'Mesa ratona de roble', 'UN', 'UN', 1, 5, 5, 111320, 92000, 460000, 556600, '1', 3, 3),
    (304, 'NP', '000100000015X', 'MESA03', 'Mesa de luz de pino', 'UN', 'UN', 1, 2, 2, 78650, 65000, 130000, 157300, '1', 4, 4),
    (305, 'NP', '000100000015X', 'BANCO01', 'Banqueta alta de roble', 'UN', 'UN', 1, 4, 4, 58080, 48000, 192000, 232320, '1', 5, 5),
    (306, 'NP', '000100000015X', 'CAMA01', 'Cama de pino', 'UN', 'UN', 1, 1, 1, 235950, 195000, 195000, 235950, '1', 6, 6),
    (307, 'NP', '000100000015X', 'CAJON01', 'Cajonera de pino', 'UN', 'UN', 1, 3, 3, 130680, 108000, 324000, 392040, '1', 7, 7),
    (308, 'NP', '000100000015X', 'ESCR01', 'Escritorio de roble', 'UN', 'UN', 1, 5, 5, 176660, 146000, 730000, 883300, '1', 8, 8),
    (309, 'NP', '000100000015X', 'BIBLI01', 'Biblioteca de MDF', 'UN', 'UN', 1, 2, 2, 147620, 122000, 244000, 295240, '1', 9, 9),
    (310, 'NP', '000100000015X', 'PLAC01', 'Placard de MDF', 'UN', 'UN', 1, 4, 4, 358160, 296000, 1184000, 1432640, '1', 10, 10),
    (311, 'NP', '000100000015X', 'SILLA02', 'Silla nórdica de roble', 'UN', 'UN', 1, 1, 1, 70180, 58000, 58000, 70180, '1', 11, 11),
    (312, 'NP', '000100000015X', 'RACK01', 'Rack para TV de roble', 'UN', 'UN', 1, 3, 3, 140360, 116000, 348000, 421080, '1', 12, 12),
    (313, 'NP', '000100000015X', 'MESA01', 'Mesa de comedor de pino', 'UN', 'UN', 1, 5, 5, 215380, 178000, 890000, 1076900, '1', 13, 13),
    (314, 'NP', '000100000015X', 'SILLA01', 'Silla de pino tapizada', 'UN', 'UN', 1, 2, 2, 53240, 44000, 88000, 106480, '1', 14, 14),
    (315, 'NP', '000100000015X', 'MESA02', 'Mesa ratona de roble', 'UN', 'UN', 1, 4, 4, 111320, 92000, 368000, 445280, '1', 15, 15),
    (316, 'NP', '000100000015X', 'MESA03', 'Mesa de luz de pino', 'UN', 'UN', 1, 1, 1, 78650, 65000, 65000, 78650, '1', 16, 16),
    (317, 'NP', '000100000015X', 'BANCO01', 'Banqueta alta de roble', 'UN', 'UN', 1, 3, 3, 58080, 48000, 144000, 174240, '1', 17, 17),
    (318, 'NP', '000100000015X', 'CAMA01', 'Cama de pino', 'UN', 'UN', 1, 5, 5, 235950, 195000, 975000, 1179750, '1', 18, 18),
    (319, 'NP', '000100000015X', 'CAJON01', 'Cajonera de pino', 'UN', 'UN', 1, 2, 2, 130680, 108000, 216000, 261360, '1', 19, 19),
    (320, 'NP', '000100000015X', 'ESCR01', 'Escritorio de roble', 'UN', 'UN', 1, 4, 4, 176660, 146000, 584000, 706640, '1', 20, 20),
    (321, 'NP', '000100000015X', 'BIBLI01', 'Biblioteca de MDF', 'UN', 'UN', 1, 1, 1, 147620, 122000, 122000, 147620, '1', 21, 21),
    (322, 'NP', '000100000015X', 'PLAC01', 'Placard de MDF', 'UN', 'UN', 1, 3, 3, 358160, 296000, 888000, 1074480, '1', 22, 22),
    (323, 'NP', '000100000015X', 'SILLA02', 'Silla nórdica de roble', 'UN', 'UN', 1, 5, 5, 70180, 58000, 290000, 350900, '1', 23, 23),
    (324, 'NP', '000100000015X', 'RACK01', 'Rack para TV de roble', 'UN', 'UN', 1, 2, 2, 140360, 116000, 232000, 280720, '1', 24, 24),
    (401, 'NP', '000100000016X', 'TABPIN', 'Tabla de pino cepillada',  'ML', 'ML', 3.05, 40, 40, 1452, 1200, 48000, 58080, '1', 1, 1),
    (402, 'NP', '000100000016X', 'TABPIN', 'Tabla de pino cepillada',  'ML', 'ML', 3.66, 25, 25, 1452, 1200, 30000, 36300, '1', 2, 1),
    (403, 'NP', '000100000016X', 'TABROB', 'Tabla de roble cepillada', 'ML', 'ML', 2.44, 18, 18, 3630, 3000, 54000, 65340, '1', 3, 2);

-- What every sales line above shares: 21 % VAT, no discount, no internal taxes,
-- taxed, the article's cost; the lists and lots of single lines follow.
UPDATE V_MV_CPTEINSUMOS SET IdComplemento = 0, CUENTA = (SELECT c.CUENTA FROM V_MV_CPTE c WHERE c.TC = V_MV_CPTEINSUMOS.TC
                                                         AND c.IDCOMPROBANTE = V_MV_CPTEINSUMOS.IDCOMPROBANTE),
       CANT_KG = 0, CANT_M3 = 0, Cant_BL = 0, CANTIDADAFACTURAR = 0, AlicIVA = 21, PorcDto = 0, Impuestos = 0, iTC = 0,
       Exento = 0, Recepcion = 0, Precio_Lista = Importe_S_IVA,
       Costo = (SELECT a.Costo FROM V_MA_ARTICULOS a WHERE a.IDARTICULO = V_MV_CPTEINSUMOS.IdArticulo);
UPDATE V_MV_CPTEINSUMOS SET IdLista = '1' WHERE IDCOMPROBANTE IN ('000100000012X', '000100000031R')
                                           AND IdArticulo IN ('MESA01', 'SILLA01');
UPDATE V_MV_CPTEINSUMOS SET Nro_Lote = '|L2601|L2602|', Nro_Serie = '|2|1|' WHERE ID = 203;
-- The boards: thickness and width in inches, priced by the board foot.
UPDATE V_MV_CPTEINSUMOS SET Espesor = 1, Ancho = 6, Ud_Pr = 'P2', Importe_Ud = 600 WHERE ID IN (401, 402);
UPDATE V_MV_CPTEINSUMOS SET Espesor = 1, Ancho = 4, Ud_Pr = 'P2', Importe_Ud = 2250 WHERE ID = 403;

-- The order's assembly at the customer's, 90 minutes, and its other concepts.
INSERT INTO V_MV_CPTETAREAS (ID, TC, IDCOMPROBANTE, IdComplemento, CUENTA, IDTAREA, Descripcion, Horas, ValorHora,
                             valorHora_S_Iva, Total, descripcionadicional, FechaEstInicio, FechaEstFin, IdTecnico,
                             FechaREALInicio, FechaREALFin, Prioridad, Usuario, FHPRESENTACION, FHEMISION, NROEXP,
                             FhEntrega) VALUES
    (1, 'NP', '000100000012X', 0, 'C0001', 'ARM', 'Armado en domicilio', 90, 12100, 10000, 18150,
     'Armar en planta alta', '20/01/27 09:00', '20/01/27 10:30', 'T01', NULL, NULL, '2', 'ANA',
     '12/01/27', '12/01/27', 'EXP-0012', 'A convenir');

INSERT INTO V_MV_CPTE_Observ (ID, TC, IDCOMPROBANTE, IdComplemento, CUENTA, TIPO_OBS, Observacion, Importe,
                              Importe_S_IVA, NroViaje) VALUES
    (1, 'NP', '000100000012X', 0, 'C0001', 'OC', 'FLETES Flete a Río Sur',      18150,  15000, NULL),
    (2, 'NP', '000100000012X', 0, 'C0001', 'OC', 'Descuento por pago contado', -12100, -10000, NULL),
    (3, 'NP', '000100000012X', 0, 'C0001', 'OB', 'Entregar por la tarde',       NULL,   NULL,  NULL);

-- The order is partly delivered: one table and six chairs went with the delivery
-- note, four of its chairs are already invoiced.
INSERT INTO VT_V_MV_CPTEINSUMOS_CONS2 (TC, IDCOMPROBANTE, IDARTICULO, Cantidad) VALUES
    ('NP', '000100000012X', 'MESA01', 4), ('NP', '000100000012X', 'SILLA01', 16), ('NP', '000100000012X', 'MESA03', 2);
INSERT INTO VT_V_MV_Stock_Cons (TC, IDCOMPROBANTE, IDARTICULO, CANTIDAD) VALUES
    ('NP', '000100000012X', 'MESA01', 1), ('NP', '000100000012X', 'SILLA01', 6);
INSERT INTO VT_V_MV_INSUMOS_APLICACION (TCO_ORIGEN, IDCOMPROBANTEORIGEN, IDARTICULO, CantidadAplicada) VALUES
    ('RM', '000100000031R', 'SILLA01', 4);

-- Two purchase orders with the same number: the sawmill's (boards by the metre,
-- MDF boards of 4.758 m2) and the hardware supplier's.
INSERT INTO C_MV_CPTE (TC, IDCOMPROBANTE, CUENTA, NOMBRE, FECHA, SUCURSAL, NUMERO, LETRA, ID, APROBADO, IdReparto,
                       Cotizacion, CondicionIva, EnComodato) VALUES
    ('OC', '000100000007X', 'P0001', 'Aserradero San Javier S.R.L.', '04/01/27', '0001', '00000007', 'X', 101, 1, 0, 1, '1', 0),
    ('OC', '000100000007X', 'P0002', 'Herrajes del Litoral S.A.',    '04/01/27', '0001', '00000007', 'X', 102, 1, 0, 1, '1', 0);

INSERT INTO C_MV_CPTEINSUMOS (ID, TC, IDCOMPROBANTE, IdComplemento, CUENTA, IdArticulo, Descripcion, IdUnidadBase,
                              IdUnidad, Equiv_UDBase, Cantidad, CantidadUd, CANT_KG, CANT_M3, Cant_BL, AlicIVA,
                              PorcDto, Importe, Importe_S_IVA, Impuestos, iTC, Total, TotalFinal, Costo, Precio_Lista,
                              Exento, IdDeposito, Secuencia, Recepcion, CodigoArtProveedor) VALUES
    (1, 'OC', '000100000007X', 0, 'P0001', 'TABPIN', 'Tabla de pino cepillada', 'ML', 'ML', 1, 300, 300, 0, 0, 0, 21,
     0, 1149.5, 950, 0, 0, 285000, 344850, 950, 950, 0, '1', 1, 0, 'AS-P16'),
    (2, 'OC', '000100000007X', 0, 'P0001', 'PLAMDF', 'Placa de MDF 18 mm', 'M2', 'PLA', 4.758, 10, 47.58, 0, 0, 0, 21,
     5, 43890, 36100, 0, 0, 361000, 436810, 36100, 38000, 0, '1', 2, 0, 'AS-MDF18'),
    (3, 'OC', '000100000007X', 0, 'P0002', 'BISA01', 'Bisagra cazoleta 35 mm', 'UN', 'UN', 1, 200, 200, 0, 0, 0, 21,
     0, 1028.5, 850, 0, 0, 170000, 205700, 700, 850, 0, '1', 1, 0, 'HL-B35'),
    (4, 'OC', '000100000007X', 0, 'P0002', 'CORR01', 'Corredera telescópica 45 cm', 'PAR', 'PAR', 1, 40, 40, 0, 0, 0, 21,
     0, 8349, 6900, 0, 0, 276000, 333960, 6900, 6900, 0, '1', 2, 0, 'HL-C45');

-- ---- Article data of loaded voucher lines: sales account, unit equivalence asked -------------------
UPDATE V_MA_ARTICULOS SET CuentaContable = '4.1.1.01' WHERE IdRubro = 'MUE';
UPDATE V_MA_ARTICULOS SET PIDEEQUIVALENCIA = 1 WHERE IDARTICULO IN ('SILLA01', 'PERI01');

-- ---- Balances by storage position: the positions-and-lots dialog --------------------------------
-- The varnish of depot 1 also held without position, by lot; screws by the box on two shelves,
-- B-02-02 filled before B-02-01, and two boxes without position.
INSERT INTO ma_posiciones (iddeposito, idposicion, ordeningreso) VALUES
    ('1', 'B-02-02', 3),
    ('1', 'B-02-01', 4);

INSERT INTO AC_SALDOSLAYOUT (iddeposito, idposicion, nrolote, idarticulo, idunidadbase, saldo) VALUES
    ('1', NULL,      'L2601', 'BARN01', 'LT',  2),
    ('1', NULL,      'L2603', 'BARN01', 'LT',  1),
    ('1', 'B-02-01', NULL,    'TORN01', 'CAJ', 8),
    ('1', 'B-02-02', NULL,    'TORN01', 'CAJ', 12),
    ('1', NULL,      NULL,    'TORN01', 'CAJ', 2);

-- ---- Prices, rates and measures of loaded voucher lines -------------------------------------------
-- The counter list's prices include VAT; the boards are sold by measure.
UPDATE V_MA_ARTICULOS SET TasaIVA = 21;
UPDATE V_MA_PRECIOSCAB SET CONIVA = 1 WHERE IDLISTA = '1';
UPDATE V_MA_ARTICULOS SET PIDEMEDIDAS = 1 WHERE IDARTICULO IN ('TABPIN', 'TABROB');

-- A down payment invoiced pro forma, and a printed catalogue exempt by law.
INSERT INTO V_MA_ARTICULOS (IDARTICULO, Descripcion, Presentacion, idTipo, IdRubro, IdFamilia, IdUnidad, UD_STOCK,
                            Costo, Impuestos, PuntoMaximo, PuntoPedido, SUSPENDIDO, TasaIVA, Descripabrev,
                            PROCEDENCIA) VALUES
    ('SENA01',  'Seña a cuenta de pedido', NULL,          'CLA', 'MUE', '01', 'UN', 'UN', 0,    0, 0, 0, 0, 21, 'PROFORMA', NULL),
    ('CATAL01', 'Catálogo impreso',        'Edición 2027', 'CLA', 'MUE', '01', 'UN', 'UN', 1500, 0, 0, 0, 0, 0,  NULL,       'EXENTO LEY');

-- ---- The lots-and-serials dialog: serial numbers typed without a quantity ------------------------
INSERT INTO TA_CONFIGURACION (CLAVE, VALOR, VALORAUX, Grupo, PoliticaNegocio) VALUES
    ('ART_FORMATOSERIEASTERISCO', 'NO', NULL, 'Stock', 0);
