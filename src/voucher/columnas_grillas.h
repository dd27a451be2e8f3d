#pragma once
// Column indexes of the four voucher grids. Every procedure that reads or
// writes a voucher grid names its columns from here. Some indexes carry two
// meanings (the timber layout reuses 4, 8 and 87): both names are given.

namespace ColArticulos {   // GrillaArticulos, also the production-plan grid
constexpr int Cantidad_Columnas = 101;

constexpr int Codigo = 0;
constexpr int Descripcion = 1;
constexpr int ListaPrecio = 2;
constexpr int Espesor = 3;              // timber
constexpr int Ancho = 4;                // timber
constexpr int Posicion = 4;             // storage position while posting stock
constexpr int Unidad = 5;               // unit of the line
constexpr int Deposito = 6;
constexpr int Cantidad = 7;
constexpr int Coeficiente = 8;          // to the base unit
constexpr int Largo = 8;                // timber
constexpr int UnidadEquiv = 9;
constexpr int CantidadEquiv = 10;
constexpr int PorcDto = 11;             // line discount %
constexpr int UnidadPrecio = 12;        // pricing unit (timber)
constexpr int ImportePorUnidad = 13;    // amount per pricing unit (timber)
constexpr int Importe = 14;             // unit price
constexpr int Total = 15;               // line total
constexpr int EsExento = 16;            // "-1" exempt, "0", "1"
constexpr int PrecioSinIVA = 17;
constexpr int TotalConImpuestos = 18;
constexpr int PideSerie = 19;
constexpr int PideLote = 20;
constexpr int NroLote = 21;             // lots pipe list
constexpr int NroSerie = 22;            // parallel pipe list: serial numbers, or quantities
constexpr int RestoPorAplicar = 23;     // quantity of the origin line still to apply
constexpr int TipoArticulo = 24;
constexpr int RubroArticulo = 25;
constexpr int ListaConIVA = 26;
constexpr int PrecioConIVA = 27;
constexpr int CantidadInsumo = 28;      // "-1": supply line of a production order
constexpr int ImporteDescuento = 29;
constexpr int TipoCoeficiente = 30;     // operator of the coefficient of column 8
constexpr int StockDisponible = 31;
constexpr int StockMinimo = 32;
constexpr int TasaIVA = 33;
constexpr int CpteOrigen = 34;          // type (4) + voucher id (13)
constexpr int IdCpteOrigen = 35;        // origin line id
constexpr int LoteOrigen = 36;
constexpr int LoteAduana = 37;
constexpr int Costo = 38;               // unit cost
constexpr int CuentaContable = 39;
constexpr int Impuestos = 40;           // internal taxes
constexpr int UnidadBase = 41;
constexpr int RecargoIVA = 45;          // VAT surcharge rate
constexpr int Perecedero = 46;
constexpr int IdTipo = 59;              // article type description
constexpr int Presentacion = 60;
constexpr int PideTalle = 61;
constexpr int CantM3 = 62;
constexpr int Bultos = 63;              // packages
constexpr int CantKG = 64;
constexpr int UnidadArticulo = 67;
constexpr int InsumosPorPorcentaje = 68;
constexpr int IdCpteCargado = 69;       // voucher id the line was loaded from
constexpr int PuntoPedido = 71;
constexpr int StockMaximo = 72;
constexpr int CopiaDeposito = 73;
constexpr int CantidadUD = 74;          // quantity in the base unit
constexpr int CodigoArtProveedor = 75;
constexpr int Pesable = 76;
constexpr int CodigoBarra = 77;
constexpr int CopiaPrecioSinIVA = 78;
constexpr int PrecioLista = 79;
constexpr int IdInsercion = 80;
constexpr int IdComparacionPrecio = 81;
constexpr int PideMedidas = 83;
constexpr int LargoAnterior = 84;       // merging timber lines
constexpr int Oferta = 85;
constexpr int MotivoStock = 86;
constexpr int ControladoPor = 87;
constexpr int MetrosLinealesM2 = 87;    // timber
constexpr int EnComodato = 88;          // line on loan
constexpr int MKBaseFamilia = 89;
constexpr int CodError = 90;
constexpr int Moneda = 91;
constexpr int Cotizacion = 92;
constexpr int ITC = 93;                 // fuel-transport tax
constexpr int PideEquivalencia = 94;
constexpr int SecuenciaOrigen = 95;     // line number in the origin voucher
constexpr int RedondeoLinea = 96;
constexpr int CodProveedor = 97;
constexpr int ColorDefault = 98;
constexpr int SexoDefault = 99;
constexpr int CodigoPercepcion = 100;
}  // namespace ColArticulos

namespace ColTareas {   // GrillaTareas
constexpr int Cantidad_Columnas = 24;

constexpr int Codigo = 0;
constexpr int Descripcion = 1;
constexpr int Horas = 2;                // estimated hours, titled "Cantidad"
constexpr int ValorHora = 3;            // titled "Importe"
constexpr int Total = 4;
constexpr int EsExento = 5;
constexpr int ImporteSinIVA = 6;
constexpr int ObservAdic = 7;
constexpr int FechaInicio = 8;
constexpr int FechaFin = 9;
constexpr int IdTecnico = 10;
constexpr int CodigoOriginal = 11;
constexpr int FechaRealInicio = 12;
constexpr int FechaRealFin = 13;
constexpr int CuentaContable = 14;
constexpr int Prioridad = 15;
constexpr int Usuario = 16;
constexpr int FhPresentacion = 17;
constexpr int FhEmision = 18;
constexpr int NroExp = 19;
constexpr int FhEntrega = 20;
constexpr int TasaIVA = 23;
}  // namespace ColTareas

namespace ColOtrosConceptos {   // GrillaOtrosConceptos
constexpr int Cantidad_Columnas = 7;

constexpr int Detalle = 0;
constexpr int ImporteSinIva = 1;
constexpr int Importe = 2;
constexpr int Cuenta = 3;
}  // namespace ColOtrosConceptos

namespace ColTotales {   // GrillaTotales
constexpr int Cantidad_Columnas = 3;
constexpr int Cantidad_Filas = 5;

constexpr int Descripcion = 0;
constexpr int CantidadItems = 1;
constexpr int Cantidad = 2;
}  // namespace ColTotales
