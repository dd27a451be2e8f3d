#pragma once
// Number books for the numbering tests: a book is a row of V_TA_CPTE written
// from a short description, one entry per letter it fills.

#include "platform/db/sesion_bd.h"

#include <QString>
#include <QStringList>
#include <vector>

struct LetraLibro {
    LetraLibro(QString l, long u, long d, long h, QString s = QStringLiteral("1"), QString v = QString())
        : letra(std::move(l)), ultimo(u), desde(d), hasta(h), sucursal(std::move(s)), vence(std::move(v))
    {
    }
    QString letra;
    long ultimo;
    long desde;
    long hasta;
    QString sucursal;   // "NULL" for none
    QString vence;      // empty for none
};

struct Libro {
    QString tc;
    long talonario = 1;
    QString letras;
    std::vector<LetraLibro> porLetra;
    QString unegocio = QStringLiteral("NULL");   // an SQL literal
    QString modifica = QStringLiteral("'NO'");   // an SQL literal
    QString sistema = QStringLiteral("Ventas");
    QString externo = QStringLiteral("'NO'");    // an SQL literal
    QString tabla = QStringLiteral("V_TA_CPTE");
};

inline void Inserta(SesionBD& sesion, const Libro& l)
{
    QStringList columnas{QStringLiteral("CODIGO"), QStringLiteral("TALONARIO"), QStringLiteral("Sistema")};
    QStringList valores{sesion.ValorSQL(l.tc, QStringLiteral("'")), QString::number(l.talonario),
                        u'\'' + l.sistema + u'\''};
    const bool libroPrincipal = l.tabla.compare(u"V_TA_CPTE", Qt::CaseInsensitive) == 0;
    if (libroPrincipal) {
        columnas << QStringLiteral("LETRAS") << QStringLiteral("UNEGOCIO") << QStringLiteral("Modificanumeracion")
                 << QStringLiteral("Externo");
        valores << u'\'' + l.letras + u'\'' << l.unegocio << l.modifica << l.externo;
    }
    for (const auto& p : l.porLetra) {
        columnas << p.letra + QStringLiteral("_ULTIMO_NRO") << p.letra + QStringLiteral("_SUC_DEFAULT");
        valores << QString::number(p.ultimo) << p.sucursal;
        if (!libroPrincipal)
            continue;
        columnas << p.letra + QStringLiteral("_NRO_DESDE") << p.letra + QStringLiteral("_NRO_HASTA");
        valores << QString::number(p.desde) << QString::number(p.hasta);
        if (!p.vence.isEmpty()) {
            columnas << QStringLiteral("Vence") + p.letra;
            valores << u'\'' + p.vence + u'\'';
        }
    }
    sesion.Ejecuta(QStringLiteral("INSERT INTO ") + l.tabla + QStringLiteral(" (") + columnas.join(u',') +
                   QStringLiteral(") VALUES (") + valores.join(u',') + u')');
}

inline void Inserta(SesionBD& sesion, const std::vector<Libro>& libros)
{
    for (const auto& l : libros)
        Inserta(sesion, l);
}
