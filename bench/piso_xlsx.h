#pragma once
// The floor of an export: libxlsxwriter alone writing the cells the export
// writes, with the same formats, in constant-memory mode. The cells are taken
// from the export's own second run (values, types and styles already
// settled), turned into UTF-8 and format numbers before anything is timed.
//
//   const PisoXlsx piso = PisoXlsx::De(foto, ...);   // not timed
//   piso.Escribe(archivo);                           // timed

#include "services/ModExportarExcel.h"
#include "services/hoja_excel.h"

#include <QByteArray>
#include <algorithm>
#include <chrono>
#include <ctime>
#include <string>
#include <vector>
#include <xlsxwriter.h>

class PisoXlsx {
public:
    // The cells of the export of the snapshot, as its second run hands them over.
    static PisoXlsx De(const ModExportarExcel::FotoLista& foto, bool vistaPrevia, bool soloTildados, short fecha1,
                       short fecha2, short fecha3)
    {
        struct Junta : Hoja::Destino {
            PisoXlsx* piso;
            void Libro(int hojas, const Hoja::Plan& plan) override
            {
                piso->hojas_ = hojas;
                piso->plan_ = plan;
            }
            void Escribe(const Hoja::Fila& fila) override
            {
                for (const Hoja::Celda& c : fila.celdas)
                    piso->celdas_.push_back({static_cast<lxw_row_t>(fila.numero - 1),
                                             static_cast<lxw_col_t>(c.columna - 1), c.valor.tipo, c.valor.numero,
                                             c.valor.texto.toStdString(), piso->indice(c.estilo)});
            }
        } junta;
        PisoXlsx piso;
        junta.piso = &piso;
        piso.plan_ = ModExportarExcel::HojaExportada(foto, vistaPrevia, soloTildados, fecha1, fecha2, fecha3, junta);
        for (const auto& [numero, columna] : piso.plan_.columnas)
            if (columna.formato != Hoja::FormatoNumero::General) {
                Hoja::Estilo e;
                e.formato = columna.formato;
                piso.indiceFijo(e);
            }
        return piso;
    }

    size_t Celdas() const { return celdas_.size(); }

    // Writes the workbook; false when libxlsxwriter failed.
    bool Escribe(const std::string& archivo) const
    {
        lxw_workbook_options opciones{};
        opciones.constant_memory = LXW_TRUE;
        lxw_workbook* libro = workbook_new_opt(archivo.c_str(), &opciones);
        if (!libro)
            return false;
        lxw_worksheet* hoja = nullptr;
        for (int i = 1; i <= std::max(1, hojas_); ++i) {
            lxw_worksheet* h = workbook_add_worksheet(libro, ("Hoja" + std::to_string(i)).c_str());
            if (i == 1)
                hoja = h;
        }
        std::vector<lxw_format*> formatos;
        for (const Hoja::Estilo& e : estilos_) {
            lxw_format* f = workbook_add_format(libro);
            format_set_font_size(f, plan_.tamanoFuente);
            if (e.formato != Hoja::FormatoNumero::General)
                format_set_num_format(f, Hoja::TextoFormato(e.formato).toUtf8().constData());
            if (e.negrita)
                format_set_bold(f);
            if (e.colorFuente)
                format_set_font_color(f, *e.colorFuente);
            if (e.bordes)
                format_set_border(f, LXW_BORDER_THIN);
            if (e.colorInterior) {
                format_set_pattern(f, LXW_PATTERN_SOLID);
                format_set_bg_color(f, Hoja::ColorDePaleta(e.colorInterior));
            }
            formatos.push_back(f);
        }
        for (const auto& [numero, columna] : plan_.columnas) {
            if (!columna.ancho && columna.formato == Hoja::FormatoNumero::General)
                continue;
            const double ancho = columna.ancho.value_or(LXW_DEF_COL_WIDTH);
            lxw_row_col_options o{};
            o.hidden = ancho == 0 ? 1 : 0;
            Hoja::Estilo e;
            e.formato = columna.formato;
            lxw_format* f = columna.formato == Hoja::FormatoNumero::General ? nullptr : formatos[indiceFijo(e)];
            worksheet_set_column_opt(hoja, lxw_col_t(numero - 1), lxw_col_t(numero - 1), ancho, f, &o);
        }
        if (plan_.horizontal)
            worksheet_set_landscape(hoja);
        for (const Celda& c : celdas_) {
            lxw_format* f = c.formato < 0 ? nullptr : formatos[size_t(c.formato)];
            switch (c.tipo) {
            case Hoja::Valor::Tipo::Numero: worksheet_write_number(hoja, c.fila, c.columna, c.numero, f); break;
            case Hoja::Valor::Tipo::Texto: worksheet_write_string(hoja, c.fila, c.columna, c.texto.c_str(), f); break;
            case Hoja::Valor::Tipo::Vacio:
                if (f)
                    worksheet_write_blank(hoja, c.fila, c.columna, f);
                break;
            }
        }
        return workbook_close(libro) == LXW_NO_ERROR;
    }

private:
    struct Celda {
        lxw_row_t fila;
        lxw_col_t columna;
        Hoja::Valor::Tipo tipo;
        double numero;
        std::string texto;
        int formato;  // -1: none
    };

    int indice(const Hoja::Estilo& e)
    {
        if (!e.TieneAtributos() && e.formato == Hoja::FormatoNumero::General && plan_.tamanoFuente == 11)
            return -1;
        return int(indiceFijo(e));
    }
    size_t indiceFijo(const Hoja::Estilo& e)
    {
        for (size_t i = 0; i < estilos_.size(); ++i)
            if (estilos_[i] == e)
                return i;
        estilos_.push_back(e);
        return estilos_.size() - 1;
    }
    size_t indiceFijo(const Hoja::Estilo& e) const  // registered by De
    {
        return size_t(std::find(estilos_.begin(), estilos_.end(), e) - estilos_.begin());
    }

    int hojas_ = 1;
    Hoja::Plan plan_;
    std::vector<Hoja::Estilo> estilos_;
    std::vector<Celda> celdas_;
};

// Wall and processor time of one piece of work, in milliseconds.
struct Tiempos {
    double pared = 0;
    double cpu = 0;
    Tiempos& operator+=(Tiempos o)
    {
        pared += o.pared;
        cpu += o.cpu;
        return *this;
    }
};

template <class Trabajo>
Tiempos Mide(Trabajo&& trabajo)
{
    const auto cpu = [] {
        timespec t{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
    };
    const auto p0 = std::chrono::steady_clock::now();
    const double c0 = cpu();
    trabajo();
    const double c1 = cpu();
    const auto p1 = std::chrono::steady_clock::now();
    return {std::chrono::duration<double, std::milli>(p1 - p0).count(), c1 - c0};
}
