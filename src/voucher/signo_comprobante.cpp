// The sign of a voucher type: the direction it moves stock, or the direction
// its amounts enter the VAT book.
#include "voucher/ClsCmnCptes.h"

#include "platform/avisos.h"
#include "services/lectura_valores.h"
#include "session/ModGlobal.h"

#include <initializer_list>

using namespace ModGlobal;

namespace {

// The type code as passed (not trimmed), any case: " FC" is on no list.
bool EnLista(const QString& tc, std::initializer_list<const char*> tipos)
{
    for (const char* t : tipos)
        if (tc.compare(QLatin1String(t), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool Igual(const QVariant& campo, const char* valor)
{
    return LecturaValores::MismoCodigo(LecturaValores::Texto(campo), QLatin1String(valor));
}

short SignoLibroIVA(const QString& tc, const Recordset& rs, bool debitoProveedor)
{
    if (EnLista(tc, {"ND"}))
        return debitoProveedor ? -1 : 1;
    if (EnLista(tc, {"FCC", "NDC", "LNDC", "FC", "TK", "TKFC", "FP", "FPC"}))
        return 1;
    const QVariant signo = rs.Valor(QStringLiteral("Signo"));
    if (!signo.isNull())
        return Entero16(signo.toDouble());
    if (EnLista(tc, {"NC", "NCC", "LNCC", "NCP", "NCCP"}))
        return -1;
    const QVariant sistema = rs.Valor(QStringLiteral("Sistema"));
    const QVariant debeHaber = rs.Valor(QStringLiteral("DebeHaber"));
    if ((Igual(sistema, "Ventas") && Igual(debeHaber, "H")) || (Igual(sistema, "Compras") && Igual(debeHaber, "D")))
        return -1;
    return 1;
}

short SignoStock(const QString& tc, const Recordset& rs)
{
    const QVariant es = rs.Valor(QStringLiteral("ES"));
    if (Igual(es, "E"))
        return 1;
    if (Igual(es, "S"))
        return -1;
    if (EnLista(tc, {"IR", "AJP", "FCC", "NDC", "LNDC", "FPC", "NC", "RMC"}))
        return 1;
    if (EnLista(tc, {"VS", "AJN", "FC", "ND", "FP", "NCC", "LNCC", "RM", "TR"}))
        return -1;
    return 0;
}

}  // namespace

short ClsCmnCptes::ObtieneSignoComprobante(const QString& TC, bool LibroIVA)
{
    Procedimiento p(QStringLiteral("ObtieneSignoComprobante%"), LecturaValores::GestorSesion());
    short signo = 0;
    bool existe = true;
    Recordset rs;
    p.paso([&] {
        gSesionBD->AbreRecordset(QStringLiteral("SELECT * FROM V_TA_CPTE  with(nolock)  WHERE CODIGO=") +
                                     LecturaValores::Literal(LecturaValores::Codigo4(TC)),
                                 rs, nullptr, 0, 1);
    });
    p.paso([&] {
        if (!rs.Bof() && !rs.Eof())
            return;
        existe = false;
        MsgBox(QStringLiteral("El Tipo de Comprobante informado no existe en la tabla de comprobantes"), Avisos::Critico,
               QStringLiteral("Aviso al operador!!!"));
    });
    if (!existe)
        return 0;
    p.paso([&] { signo = LibroIVA ? SignoLibroIVA(TC, rs, DebitoProveedor) : SignoStock(TC, rs); });
    p.paso([&] { gSesionBD->CierraRecordset(rs); });
    if (p.abandonado())
        return signo;
    return signo == 0 ? 1 : signo;
}
