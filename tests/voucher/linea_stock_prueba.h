#pragma once
// Helpers of the stock posting tests: an article grid built row by row
// (column → text), and the columns of an INSERT read back as a map.

#include "platform/controles/grilla.h"
#include "voucher/columnas_grillas.h"

#include <QMap>
#include <QString>
#include <initializer_list>
#include <utility>

using CeldasFila = std::initializer_list<std::pair<int, const char*>>;

// Adds a row at the end of the article grid with the given cells.
inline int AgregaFila(Grilla& g, CeldasFila celdas)
{
    if (g.Cols() < ColArticulos::Cantidad_Columnas)
        g.setCols(ColArticulos::Cantidad_Columnas);
    if (g.Rows() < 1)
        g.setRows(1);
    const int fila = g.Rows();
    g.setRows(fila + 1);
    for (const auto& [c, t] : celdas)
        g.setTextMatrix(fila, c, QString::fromUtf8(t));
    return fila;
}

// "INSERT INTO T(A,B) VALUES (1,'x, y')" as {A: "1", B: "'x, y'"}, in order.
struct ColumnasInsert {
    QStringList nombres;
    QMap<QString, QString> valores;
    bool tiene(const char* c) const { return valores.contains(QString::fromLatin1(c)); }
    QString operator[](const char* c) const { return valores.value(QString::fromLatin1(c), QStringLiteral("<ausente>")); }
};

inline QStringList PartesSql(const QString& lista)
{
    QStringList r;
    QString actual;
    bool enTexto = false;
    for (QChar ch : lista) {
        if (ch == u'\'')
            enTexto = !enTexto;
        if (ch == u',' && !enTexto) {
            r << actual;
            actual.clear();
        } else {
            actual += ch;
        }
    }
    r << actual;
    return r;
}

inline ColumnasInsert LeeInsert(const QString& sql)
{
    ColumnasInsert r;
    const qsizetype abre = sql.indexOf(u'(');
    const qsizetype cierra = sql.indexOf(u')', abre);
    const qsizetype valores = sql.indexOf(QStringLiteral(" VALUES ("), cierra);
    r.nombres = sql.mid(abre + 1, cierra - abre - 1).split(u',');
    const QStringList v = PartesSql(sql.mid(valores + 9, sql.size() - valores - 10));
    for (qsizetype i = 0; i < r.nombres.size() && i < v.size(); ++i)
        r.valores.insert(r.nombres[i], v[i]);
    return r;
}
