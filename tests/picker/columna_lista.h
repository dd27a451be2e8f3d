#pragma once
// The texts of one column of a list, in the order shown (0: the items' own text).

#include "platform/controles/lista.h"

#include <QStringList>

inline QStringList Columna(const Lista& l, int columna)
{
    QStringList t;
    for (int i = 1; i <= l.ListItems().Count(); ++i) {
        const ListItem& e = l.ListItems().Item(i);
        t << (columna == 0 ? e.Text() : e.SubItems(columna));
    }
    return t;
}
