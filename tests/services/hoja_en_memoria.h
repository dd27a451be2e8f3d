#pragma once
// Test helpers for the spreadsheet export: a destination that keeps every row
// it is handed.

#include "services/hoja_excel.h"

#include <QByteArray>
#include <QString>
#include <map>
#include <utility>
#include <vector>

struct HojaEnMemoria : Hoja::Destino {
    int hojas = 0;
    Hoja::Plan plan;
    std::vector<int> filas;  // in the order they came
    std::map<std::pair<int, int>, Hoja::Celda> celdas;

    void Libro(int h, const Hoja::Plan& p) override
    {
        hojas = h;
        plan = p;
    }
    void Escribe(const Hoja::Fila& fila) override
    {
        filas.push_back(fila.numero);
        for (const Hoja::Celda& c : fila.celdas)
            celdas[{fila.numero, c.columna}] = c;
    }
    const Hoja::Celda* En(int fila, int columna) const
    {
        const auto c = celdas.find({fila, columna});
        return c == celdas.end() ? nullptr : &c->second;
    }
    // What the cell shows; empty for a cell that is not there.
    QString Muestra(int fila, int columna) const
    {
        const Hoja::Celda* c = En(fila, columna);
        return c ? Hoja::TextoMostrado(c->valor, c->estilo.formato) : QString();
    }
    Hoja::FormatoNumero Formato(int fila, int columna) const
    {
        const Hoja::Celda* c = En(fila, columna);
        return c ? c->estilo.formato : Hoja::FormatoNumero::General;
    }
};

