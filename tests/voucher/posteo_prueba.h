#pragma once
// The parameters of one stock posting, with the member's defaults, and the
// call that hands them over.

#include "platform/controles/grilla.h"
#include "platform/moneda.h"
#include "platform/sistema.h"
#include "session/ModGlobal.h"
#include "voucher/ClsCmnCptes.h"

#include <QDateTime>
#include <QString>

// What a posting reads of the session: the clock, the period, the user, the
// business unit and the cash box.
inline void FijaSesionDePosteo(const QDate& dia, const QString& unegocio)
{
    Sistema::FijarReloj([dia] { return QDateTime(dia, QTime(10, 30)); });
    ModGlobal::gPeriodo = dia.year();
    ModGlobal::gUsuarioLogeado = QStringLiteral("SUPERVISOR");
    ModGlobal::gUnegocio = unegocio;
    ModGlobal::gCaja = QStringLiteral("1");
}

inline void LimpiaSesionDePosteo()
{
    Sistema::FijarReloj(nullptr);
    ModGlobal::gPeriodo = 0;
    ModGlobal::gUsuarioLogeado.clear();
    ModGlobal::gUnegocio.clear();
    ModGlobal::gCaja.clear();
}

struct Llamada {
    QString TC = QStringLiteral("RM"), SucNroLetra = QStringLiteral("000100009001X"), IdComplemento = QStringLiteral("0"),
            fecha = QStringLiteral("10/12/26");
    QString IdDeposito = QStringLiteral("1"), IdDepositoDestino, IdMotivoStock, TcOrigen, ComprobanteOrigen;
    bool EsTransferencia = false;
    QString Cuenta = QStringLiteral("PorDefault");
    bool GeneraSentenciaSQL = false;
    QString SQLTemp;
    bool HayError = false;
    QString IdTecnico = QStringLiteral("Null"), LoteFijo, Aduana, LoteOrigen;
    short SignoRemota = 0;
    bool MuestraCartel = false;
    QString IdVendedor;
    float SecuenciaFija = 0;
    QString ArtMoneda = QStringLiteral("   1");
    Moneda ArtCotizacion = Moneda::DesdeEntero(1);
};

inline void Postea(ClsCmnCptes& clase, Grilla& g, Llamada& l)
{
    clase.ActualizaStock(g, l.TC, l.SucNroLetra, l.IdComplemento, l.fecha, l.IdDeposito, l.IdDepositoDestino,
                         l.IdMotivoStock, l.TcOrigen, l.ComprobanteOrigen, l.EsTransferencia, l.Cuenta,
                         l.GeneraSentenciaSQL, l.SQLTemp, l.HayError, l.IdTecnico, l.LoteFijo, l.Aduana, l.LoteOrigen,
                         l.SignoRemota, l.MuestraCartel, l.IdVendedor, l.SecuenciaFija, l.ArtMoneda, l.ArtCotizacion);
}
