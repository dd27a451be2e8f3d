// Writes a list through the program's spreadsheet export into the file named
// on the command line, with the C library in the locale the environment names,
// as the program starts; lee_libro.py reads it back with openpyxl.
#include "services/ModExportarExcel.h"
#include "services/escritor_xlsx.h"

#include <QApplication>
#include <clocale>
#include <cstdio>

int main(int argc, char** argv)
{
    // Takes the C library's locale from the environment, as the program does.
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: exporta_libro FILE.xlsx\n");
        return 2;
    }
    if (std::localeconv()->decimal_point[0] != ',') {
        std::fprintf(stderr, "the locale of the environment (%s) writes no decimal comma: is it installed? "
                             "scripts/install-deps.sh makes es_AR.UTF-8 and es_ES.UTF-8\n",
                     std::setlocale(LC_ALL, nullptr));
        return 3;
    }
    using namespace ModExportarExcel;
    FotoLista lista;
    lista.ColumnHeaders = {{"Código", 1500, 1}, {"Descripción", 3000, 2}, {"UD", 0, 3}, {"Costo", 1200, 4},
                           {"Vence", 1000, 5}};
    lista.ListItems = {
        {"A001", {"Pan lactal", "UN", "1234,50", ""}, false},
        {"A002", {"Tornillo", "UN", "2,225", "15/03/2024"}, false},
        {"A003", {"Medialuna", "UN", "0,00", ""}, false},
        {"00123", {"Código con ceros", "UN", "12,5", ""}, false},
    };
    EscritorXlsx escritor(QString::fromLocal8Bit(argv[1]));
    HojaExportada(lista, true, false, -1, -1, -1, escritor);
    const QString falla = escritor.Cierra();
    if (!falla.isEmpty()) {
        std::fprintf(stderr, "the workbook was not written: %s\n", qPrintable(falla));
        return 1;
    }
    return 0;
}
