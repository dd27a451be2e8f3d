#include "voucher/consultas.h"

#include "session/ModGlobal.h"

using namespace ModGlobal;

bool HayFilas(const QString& sql)
{
    Recordset rs;
    gSesionBD->AbreRecordset(sql, rs, nullptr, 0, 1);
    const bool hay = !rs.Eof();
    gSesionBD->CierraRecordset(rs);
    return hay;
}

QVariant PrimerValor(const QString& sql, const QString& campo)
{
    Recordset rs;
    gSesionBD->AbreRecordset(sql, rs, nullptr, 0, 1);
    QVariant valor;
    if (!rs.Eof())
        valor = rs.Valor(campo);
    gSesionBD->CierraRecordset(rs);
    return valor;
}
