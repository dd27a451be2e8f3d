#pragma once
// Helpers of the voucher tests: settings and voucher types in the fixture's
// database, and a measurer whose X is 120 twips and every other character 90,
// so widths measured on a literal text differ from n X.

#include "platform/controles/grilla.h"
#include "platform/controles/medidor_texto.h"
#include "support/sesion_global.h"

#include <QString>

class MedidorPrueba : public MedidorTexto {
public:
    static constexpr int AnchoDeX = 120;
    static constexpr int AnchoDeOtro = 90;
    int TextWidth(const QString& texto) const override
    {
        int ancho = 0;
        for (QChar c : texto)
            ancho += c == u'X' ? AnchoDeX : AnchoDeOtro;
        return ancho;
    }
    double PuntosPorPulgada() const override { return 96.0; }
};

constexpr int X(int n)
{
    return n * MedidorPrueba::AnchoDeX;
}

inline void Ajuste(SesionGlobal& s, const QString& clave, const QString& valor)
{
    SesionBD& bd = s.bd.Sesion();
    bd.Ejecuta(QStringLiteral("DELETE FROM TA_CONFIGURACION WHERE CLAVE = ") + bd.ValorSQL(clave, QStringLiteral("'")));
    bd.Ejecuta(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES (%1, %2)")
                   .arg(bd.ValorSQL(clave, QStringLiteral("'")), bd.ValorSQL(valor, QStringLiteral("'"))));
}

inline void TipoComprobante(SesionGlobal& s, const QString& codigo, const QString& sistema)
{
    SesionBD& bd = s.bd.Sesion();
    bd.Ejecuta(QStringLiteral("INSERT INTO V_TA_CPTE (CODIGO, TALONARIO, Sistema) VALUES (%1, 1, %2)")
                   .arg(bd.ValorSQL(codigo, QStringLiteral("'")), bd.ValorSQL(sistema, QStringLiteral("'"))));
}

// Column c's code cell of each data row, from row 1 on.
inline void Filas(Grilla& g, std::initializer_list<const char*> codigos, int columna = 0)
{
    g.setRows(int(codigos.size()) + 1);
    int fila = 1;
    for (const char* c : codigos)
        g.setTextMatrix(fila++, columna, QString::fromUtf8(c));
}
