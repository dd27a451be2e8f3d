#include "hoja_en_memoria.h"
#include "services/ModExportarExcel.h"
#include "support/avisos_grabados.h"
#include "support/carpeta_temporal.h"
#include "support/lector_xlsx.h"
#include "support/limite_archivo.h"
#include "support/locale_regional.h"

#include "platform/sistema.h"
#include "session/ModGlobal.h"
#include "session/cartel_ventana.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QRegularExpression>
#include <QTimer>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

using namespace ModExportarExcel;

namespace {

FotoLista lista()
{
    FotoLista l;
    l.ColumnHeaders = {{"Código", 1500, 1}, {"Descripción", 3000, 2}, {"UD", 0, 3}, {"Costo ", 1200, 4}};
    l.ListItems = {
        {"A001", {"Pan lactal (u)", "UN", "    1234,50"}, false},
        {"A002", {"Torta & <crema>", "UN", "      0,00"}, false},
        {"A003", {"Medialuna", "UN", "12,5"}, false},
    };
    return l;
}

// The workbooks go to a folder of the test's own; the desktop is never reached.
class Exportacion : public ::testing::Test {
protected:
    void SetUp() override
    {
        tmpAnterior_ = qgetenv("TMPDIR");
        qputenv("TMPDIR", carpeta_.Ruta().toLocal8Bit());
        Sistema::FijarAbridor([this](const QString& archivo) {
            abiertos.push_back(archivo);
            return abre;
        });
    }
    void TearDown() override
    {
        Sistema::FijarAbridor(nullptr);
        qputenv("TMPDIR", tmpAnterior_);
    }

    CarpetaTemporal carpeta_;
    AvisosGrabados avisos;
    std::vector<QString> abiertos;
    bool abre = true;

private:
    QByteArray tmpAnterior_;
};

// The attributes of cell style number i of styles.xml.
QString estiloDeCelda(const QByteArray& estilos, int i)
{
    const QString texto = QString::fromUtf8(estilos);
    const qsizetype desde = texto.indexOf(QStringLiteral("<cellXfs"));
    QRegularExpression xf(QStringLiteral("<xf [^>]*>"));
    auto it = xf.globalMatch(texto.mid(desde));
    for (int k = 0; it.hasNext(); ++k) {
        const QString m = it.next().captured(0);
        if (k == i)
            return m;
    }
    return QString();
}

// The number format code of cell style number i.
QString formatoDeCelda(const QByteArray& estilos, int i)
{
    const auto id = QRegularExpression(QStringLiteral("numFmtId=\"(\\d+)\"")).match(estiloDeCelda(estilos, i));
    if (!id.hasMatch() || id.captured(1) == "0")
        return QStringLiteral("General");
    const QRegularExpression codigo(QStringLiteral("<numFmt numFmtId=\"%1\" formatCode=\"([^\"]*)\"").arg(id.captured(1)));
    return codigo.match(QString::fromUtf8(estilos)).captured(1);
}

int estiloEn(const QString& hoja, const QString& celda)
{
    const QRegularExpression re(QStringLiteral("<c r=\"%1\" s=\"(\\d+)\"").arg(celda));
    const auto m = re.match(hoja);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

}  // namespace

TEST_F(Exportacion, ElLibroEscritoSeLeeConSusCeldasFormatosYPagina)
{
    int paginas = 0;
    QPageLayout::Orientation orientacion = QPageLayout::Portrait;
    avisos.ResponderDialogo([&](QDialog& d) {
        auto* vista = d.findChild<QPrintPreviewWidget*>();
        EXPECT_NE(qobject_cast<QPrintPreviewDialog*>(&d), nullptr);
        if (vista) {
            vista->updatePreview();
            paginas = vista->pageCount();
            orientacion = vista->orientation();
        }
        return 0;
    });
    ExportarListViewExcel(lista(), true, false, -1, -1, -1);

    ASSERT_EQ(abiertos.size(), 1u);
    const QString ruta = abiertos.front();
    EXPECT_TRUE(ruta.startsWith(carpeta_.Ruta()));
    EXPECT_TRUE(ruta.endsWith(".xlsx"));
    EXPECT_TRUE(avisos.preguntas.empty());
    EXPECT_EQ(avisos.dialogosMostrados, 1);
    EXPECT_EQ(paginas, 1);
    EXPECT_EQ(orientacion, QPageLayout::Landscape);

    const QString hoja = QString::fromUtf8(ParteDelLibro(ruta, "xl/worksheets/sheet1.xml"));
    const QByteArray estilos = ParteDelLibro(ruta, "xl/styles.xml");
    ASSERT_FALSE(hoja.isEmpty());
    EXPECT_TRUE(hoja.contains("<pageSetup orientation=\"landscape\""));
    EXPECT_FALSE(ParteDelLibro(ruta, "xl/worksheets/sheet2.xml").isEmpty());
    EXPECT_TRUE(ParteDelLibro(ruta, "xl/workbook.xml").contains("name=\"Hoja2\""));

    // Header: titles as text, white bold on a blue fill with borders, to column N + 1.
    EXPECT_TRUE(hoja.contains("<t>Código</t>"));
    EXPECT_TRUE(hoja.contains("<t xml:space=\"preserve\">Costo </t>"));
    const QString titulo = estiloDeCelda(estilos, estiloEn(hoja, "A1"));
    EXPECT_TRUE(titulo.contains("applyFill=\"1\"") && titulo.contains("applyBorder=\"1\"")) << titulo.toStdString();
    EXPECT_EQ(estiloEn(hoja, "D1"), estiloEn(hoja, "A1"));
    EXPECT_EQ(estiloEn(hoja, "C1"), estiloEn(hoja, "A1"));
    EXPECT_TRUE(estilos.contains("<fgColor rgb=\"FF0000FF\"/>"));
    EXPECT_TRUE(estilos.contains("<b/>"));
    EXPECT_TRUE(estilos.contains("<color rgb=\"FFFFFFFF\"/>"));

    // Row 2 empty; amounts are numbers with the amount format, the rest text.
    EXPECT_FALSE(hoja.contains("<row r=\"2\""));
    EXPECT_TRUE(hoja.contains(QRegularExpression("<c r=\"D3\" s=\"\\d+\"><v>1234.5</v></c>")));
    EXPECT_EQ(formatoDeCelda(estilos, estiloEn(hoja, "D3")), "#,##0.00");
    EXPECT_TRUE(hoja.contains("<t>Torta &amp; &lt;crema&gt;</t>"));
    EXPECT_TRUE(hoja.contains(QRegularExpression("<c r=\"D4\"><v>0</v></c>")));

    // Widths: list width / 90 (16.67 characters, stored with the cell margins); the hidden unit.
    EXPECT_TRUE(hoja.contains(QRegularExpression("<col min=\"1\" max=\"1\" width=\"17.4\\d*\"")));
    EXPECT_TRUE(hoja.contains(QRegularExpression("<col min=\"3\" max=\"3\" width=\"0\" hidden=\"1\"")));
}

TEST_F(Exportacion, LosNumerosDelLibroLlevanPuntoEnUnLocaleEspanol)
{
    // The C library writes "2,225" in these locales: a sheet with it is corrupt.
    for (const char* nombre : {"es_AR.UTF-8", "es_ES.UTF-8"}) {
        LocaleRegional locale(nombre);
        ASSERT_TRUE(locale.Puesto()) << nombre << " is not available (scripts/install-deps.sh makes it)";
        FotoLista l = lista();
        l.ListItems.push_back({"A004", {"Tornillo", "UN", "2,225"}, false});
        abiertos.clear();
        ExportarListViewExcel(l, false, false, -1, -1, -1);
        ASSERT_EQ(abiertos.size(), 1u) << nombre;
        const QString hoja = QString::fromUtf8(ParteDelLibro(abiertos.front(), "xl/worksheets/sheet1.xml"));
        EXPECT_TRUE(hoja.contains(QRegularExpression("<c r=\"D3\" s=\"\\d+\"><v>1234.5</v></c>"))) << nombre;
        EXPECT_TRUE(hoja.contains(QRegularExpression("<c r=\"D6\" s=\"\\d+\"><v>2.225</v></c>"))) << nombre;
        EXPECT_TRUE(hoja.contains(QRegularExpression("<col min=\"1\" max=\"1\" width=\"17.4\\d*\""))) << nombre;
        EXPECT_TRUE(hoja.contains("<pageMargins left=\"0.7\" right=\"0.7\" top=\"0.75\" bottom=\"0.75\"")) << nombre;
        // No number of the sheet, its attributes or its styles carries a comma.
        const QRegularExpression coma(QStringLiteral("(<v>|=\")[-0-9.]*,[0-9]"));
        EXPECT_FALSE(hoja.contains(coma)) << nombre << ": " << hoja.toStdString();
        EXPECT_FALSE(QString::fromUtf8(ParteDelLibro(abiertos.front(), "xl/styles.xml")).contains(coma)) << nombre;
    }
}

TEST_F(Exportacion, LasFechasSeEscribenComoFechas)
{
    FotoLista l;
    l.ColumnHeaders = {{"Código", 900, 1}, {"Vence", 900, 2}};
    l.ListItems = {{"A1", {"12,5"}, false}, {"A2", {"15/03/2024"}, false}};
    ExportarListViewExcel(l, false, false, -1, -1, -1);
    ASSERT_EQ(abiertos.size(), 1u);
    const QString hoja = QString::fromUtf8(ParteDelLibro(abiertos[0], "xl/worksheets/sheet1.xml"));
    const QByteArray estilos = ParteDelLibro(abiertos[0], "xl/styles.xml");
    EXPECT_TRUE(hoja.contains(QRegularExpression("<c r=\"B4\" s=\"\\d+\"><v>45366</v></c>")));
    // The date reformatted the amount above it and the column.
    EXPECT_EQ(formatoDeCelda(estilos, estiloEn(hoja, "B4")), "dd/mm/yyyy");
    EXPECT_EQ(formatoDeCelda(estilos, estiloEn(hoja, "B3")), "dd/mm/yyyy");
    const auto columna = QRegularExpression("<col min=\"2\" max=\"2\" width=\"[0-9.]+\" style=\"(\\d+)\"").match(hoja);
    ASSERT_TRUE(columna.hasMatch());
    EXPECT_EQ(formatoDeCelda(estilos, columna.captured(1).toInt()), "dd/mm/yyyy");
}

// The dates of a list in the first two months of 1900 land on their own day,
// and one before 1900 (the empty date of some lists) stays the text written.
TEST_F(Exportacion, LasFechasDeComienzosDe1900CaenEnSuDia)
{
    FotoLista l;
    l.ColumnHeaders = {{"Código", 900, 1}, {"Vence", 900, 2}};
    l.ListItems = {{"A1", {"01/01/1900"}, false}, {"A2", {"28/02/1900"}, false}, {"A3", {"01/03/1900"}, false},
                   {"A4", {"30/12/1899"}, false}};
    HojaEnMemoria memoria;
    HojaExportada(l, false, false, -1, -1, -1, memoria);
    EXPECT_EQ(memoria.Muestra(3, 2), "01/01/1900");
    EXPECT_EQ(memoria.Muestra(4, 2), "28/02/1900");
    EXPECT_EQ(memoria.Muestra(5, 2), "01/03/1900");
    EXPECT_EQ(memoria.Muestra(6, 2), "1899/12/30");

    ExportarListViewExcel(l, false, false, -1, -1, -1);
    ASSERT_EQ(abiertos.size(), 1u);
    const QString hoja = QString::fromUtf8(ParteDelLibro(abiertos[0], "xl/worksheets/sheet1.xml"));
    EXPECT_TRUE(hoja.contains(QRegularExpression("<c r=\"B3\" s=\"\\d+\"><v>1</v></c>"))) << hoja.toStdString();
    EXPECT_TRUE(hoja.contains(QRegularExpression("<c r=\"B4\" s=\"\\d+\"><v>59</v></c>")));
    EXPECT_TRUE(hoja.contains(QRegularExpression("<c r=\"B5\" s=\"\\d+\"><v>61</v></c>")));
    EXPECT_TRUE(hoja.contains(QRegularExpression("<c r=\"B6\"[^>]*t=\"inlineStr\"><is><t>1899/12/30</t></is></c>")));
}

TEST_F(Exportacion, LosTextosSeEscribenEnUtf8)
{
    // ASCII, other letters at the start, in the middle and at the end, a
    // character past 16 bits, and a broken surrogate (written as toUtf8 writes it).
    const QString roto = QStringLiteral("Caja ") + QChar(0xD800) + QStringLiteral(" x");
    const QStringList textos = {"Caja x 12", "Ñandú", "Artículo de prueba", "Café", "Torta \U0001F382 x", roto};
    FotoLista l;
    l.ColumnHeaders = {{"Código", 900, 1}, {"Texto", 900, 2}};
    for (const QString& t : textos)
        l.ListItems.push_back({QStringLiteral("A%1").arg(l.ListItems.size()), {t}, false});
    ExportarListViewExcel(l, false, false, -1, -1, -1);
    ASSERT_EQ(abiertos.size(), 1u);
    const QByteArray hoja = ParteDelLibro(abiertos[0], "xl/worksheets/sheet1.xml");
    for (const QString& t : textos)
        EXPECT_TRUE(hoja.contains("<t>" + t.toUtf8() + "</t>")) << t.toStdString();
}

// A text holding a character no XML file may carry, in a title or a cell,
// leaves the sheet readable: the character goes escaped as the spreadsheet
// escapes it, and so do control characters. A text that looks like such an
// escape has its "_" escaped, so it reads back as it was.
TEST_F(Exportacion, LosCaracteresQueElXmlNoAdmiteVanEscapados)
{
    struct {
        QString texto;
        QByteArray escrito;
    } const casos[] = {
        {QStringLiteral("Caja ") + QChar(0xFFFE) + QStringLiteral(" x"), "Caja _xFFFE_ x"},
        {QChar(0xFFFF) + QStringLiteral("Ñandú"), "_xFFFF_" + QStringLiteral("Ñandú").toUtf8()},
        {QStringLiteral("A") + QChar(0x01) + QStringLiteral("B"), "A_x0001_B"},
        // A NUL does not end the text.
        {QStringLiteral("N") + QChar(0) + QStringLiteral("X") + QChar(0), "N_x0000_X_x0000_"},
        {QStringLiteral("Ñ") + QChar(0) + QStringLiteral("X"), QStringLiteral("Ñ").toUtf8() + "_x0000_X"},
        {QStringLiteral("COD_x0041_"), "COD_x005F_x0041_"},
        {QStringLiteral("_x00e9__x00E9_ Ñ"), "_x005F_x00e9__x005F_x00E9_ " + QStringLiteral("Ñ").toUtf8()},
        // The pattern past the first character that is not ASCII.
        {QStringLiteral("Ñ COD_x0041_"), QStringLiteral("Ñ").toUtf8() + " COD_x005F_x0041_"},
        // Nothing a reader would take for an escape.
        {QStringLiteral("a_xyz_b _x12_ _X0041_ _x004G_"), "a_xyz_b _x12_ _X0041_ _x004G_"},
    };
    FotoLista l;
    l.ColumnHeaders = {{"Código", 900, 1}, {QStringLiteral("Texto") + QChar(0xFFFE), 900, 2}};
    for (const auto& c : casos)
        l.ListItems.push_back({QStringLiteral("A%1").arg(l.ListItems.size()), {c.texto}, false});
    ExportarListViewExcel(l, false, false, -1, -1, -1);
    ASSERT_EQ(abiertos.size(), 1u);
    const QByteArray hoja = ParteDelLibro(abiertos[0], "xl/worksheets/sheet1.xml");
    QXmlStreamReader xml(hoja);
    while (!xml.atEnd())
        xml.readNext();
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_TRUE(hoja.contains("<t>Texto_xFFFE_</t>"));
    for (const auto& c : casos)
        EXPECT_TRUE(hoja.contains("<t>" + c.escrito + "</t>")) << c.escrito.toStdString();
}

// A text past what a cell holds is cut to it, the escapes the file needs
// counted, and never inside a character; the rest of the workbook is written.
TEST_F(Exportacion, UnTextoLargoSeCortaAlLimiteDeLaCelda)
{
    constexpr int limite = 32767;
    const QString a = QString(limite, u'a');
    struct {
        QString texto;
        QByteArray escrito;
    } const casos[] = {
        {QString(40000, u'b'), QByteArray(limite, 'b')},
        {a, a.toUtf8()},
        {QStringLiteral("COD_x0041_") + a, "COD_x005F_x0041_" + QByteArray(limite - 16, 'a')},
        {QChar(0xFFFE) + a, "_xFFFE_" + QByteArray(limite - 7, 'a')},
        {a.left(limite - 1) + QStringLiteral("\U0001F382"), QByteArray(limite - 1, 'a')},
        {a.left(limite - 2) + QStringLiteral("\U0001F382"), QByteArray(limite - 2, 'a') + QStringLiteral("\U0001F382").toUtf8()},
    };
    FotoLista l;
    l.ColumnHeaders = {{"Código", 900, 1}, {"Texto", 900, 2}};
    for (const auto& c : casos)
        l.ListItems.push_back({QStringLiteral("A%1").arg(l.ListItems.size()), {c.texto}, false});
    ExportarListViewExcel(l, false, false, -1, -1, -1);
    EXPECT_TRUE(avisos.preguntas.empty());
    ASSERT_EQ(abiertos.size(), 1u);
    const QByteArray hoja = ParteDelLibro(abiertos[0], "xl/worksheets/sheet1.xml");
    for (size_t i = 0; i < std::size(casos); ++i) {
        const QByteArray celda = QStringLiteral("<c r=\"B%1\" t=\"inlineStr\"><is><t>").arg(i + 3).toUtf8();
        const qsizetype desde = hoja.indexOf(celda);
        ASSERT_GE(desde, 0) << i;
        const qsizetype inicio = desde + celda.size();
        EXPECT_TRUE(hoja.mid(inicio, hoja.indexOf("</t>", inicio) - inicio) == casos[i].escrito) << i;
    }
}

TEST_F(Exportacion, UnaFallaSeAvisaAlOperador)
{
    // The workbook cannot be written (the temporary folder is a file): nothing is opened.
    carpeta_.Escribe("archivo", "x");
    qputenv("TMPDIR", carpeta_.Archivo("archivo").toLocal8Bit());
    ExportarListViewExcel(lista(), false, false, -1, -1, -1);
    EXPECT_TRUE(abiertos.empty());
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_EQ(avisos.preguntas[0].titulo, "Aviso al Operador");
    EXPECT_TRUE(avisos.preguntas[0].texto.startsWith("No se pudo guardar el libro de Excel"));
    // Nor without a temporary folder (nothing is written anywhere else).
    qputenv("TMPDIR", carpeta_.Archivo("no-existe").toLocal8Bit());
    ExportarListViewExcel(lista(), false, false, -1, -1, -1);
    EXPECT_TRUE(abiertos.empty());
    ASSERT_EQ(avisos.preguntas.size(), 2u);
    EXPECT_TRUE(avisos.preguntas[1].texto.startsWith("No se pudo guardar el libro de Excel"));
    avisos.preguntas.clear();

    // Written but not opened: the box names the saved file.
    qputenv("TMPDIR", carpeta_.Ruta().toLocal8Bit());
    abre = false;
    ExportarListViewExcel(lista(), false, false, -1, -1, -1);
    ASSERT_EQ(abiertos.size(), 1u);
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_EQ(avisos.preguntas[0].titulo, "Aviso al Operador");
    EXPECT_TRUE(avisos.preguntas[0].texto.contains(abiertos[0]));
    EXPECT_TRUE(QFileInfo(abiertos[0]).size() > 0);
}

// Why it was not saved is told in Spanish; the library's own words follow in brackets.
TEST_F(Exportacion, LaCausaDeLaFallaSeDiceEnCastellano)
{
    carpeta_.Escribe("archivo", "x");
    qputenv("TMPDIR", carpeta_.Archivo("archivo").toLocal8Bit());
    ExportarListViewExcel(lista(), false, false, -1, -1, -1);
    qputenv("TMPDIR", carpeta_.Ruta().toLocal8Bit());
    {
        const LimiteDeArchivo disco(300);
        ExportarListViewExcel(lista(), false, false, -1, -1, -1);
    }
    const struct {
        const char* castellano;
        const char* biblioteca;
    } casos[] = {
        {"(no se pudo crear el archivo; suele faltar permiso para escribir en la carpeta [Error creating output xlsx file",
         "Usually a permissions error.])."},
        {"(no se pudo escribir el archivo comprimido del libro; el disco puede estar lleno [", "])."},
    };
    ASSERT_EQ(avisos.preguntas.size(), std::size(casos));
    for (size_t i = 0; i < std::size(casos); ++i) {
        const QString& texto = avisos.preguntas[i].texto;
        EXPECT_TRUE(texto.contains(QString::fromUtf8(casos[i].castellano))) << texto.toStdString();
        EXPECT_TRUE(texto.endsWith(QString::fromUtf8(casos[i].biblioteca))) << texto.toStdString();
    }
}

// A workbook that does not reach the disk whole (a full disk) is told as not
// saved and leaves no file behind that would open as a broken or short list.
TEST_F(Exportacion, UnLibroQueNoCabeNoQueda)
{
    FotoLista larga = lista();
    for (int i = 0; i < 4000; ++i)
        larga.ListItems.push_back({QStringLiteral("B%1").arg(i), {QStringLiteral("Artículo %1").arg(i), "UN", "1,5"}, false});
    for (const rlim_t cabe : {rlim_t(0), rlim_t(300), rlim_t(3000)}) {
        SCOPED_TRACE(cabe);
        avisos.preguntas.clear();
        {
            const LimiteDeArchivo disco(cabe);
            ExportarListViewExcel(larga, false, false, -1, -1, -1);
        }
        EXPECT_TRUE(abiertos.empty());
        ASSERT_EQ(avisos.preguntas.size(), 1u);
        EXPECT_TRUE(avisos.preguntas[0].texto.startsWith("No se pudo guardar el libro de Excel"));
        EXPECT_EQ(QDir(carpeta_.Ruta()).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList());
    }
    // With room it is written and opened.
    avisos.preguntas.clear();
    ExportarListViewExcel(larga, false, false, -1, -1, -1);
    EXPECT_TRUE(avisos.preguntas.empty());
    ASSERT_EQ(abiertos.size(), 1u);
    EXPECT_TRUE(ParteDelLibro(abiertos[0], "xl/worksheets/sheet1.xml").contains("B3999"));
}

// An operator exports many times a day: a workbook written leaves no file of
// the temporary folder open behind it (the library's scratch file of the empty
// second sheet among them).
TEST_F(Exportacion, CadaLibroCierraSusArchivosDeTrabajo)
{
    const auto abiertosEnLaCarpeta = [&] {
        QStringList r;
        for (const QFileInfo& fd : QDir(QStringLiteral("/proc/self/fd")).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot))
            if (fd.symLinkTarget().startsWith(carpeta_.Ruta()))
                r << fd.symLinkTarget();
        return r;
    };
    const FotoLista completa = lista();
    FotoLista angosta = completa;
    for (auto& e : angosta.ColumnHeaders)
        e.Width = 50;   // no column qualifies: the first sheet has only its coloured corner
    FotoLista vacia = completa;
    vacia.ListItems.clear();
    for (const FotoLista* l : std::initializer_list<const FotoLista*>{&completa, &angosta, &vacia}) {
        for (int i = 0; i < 3; ++i)
            ExportarListViewExcel(*l, false, false, -1, -1, -1);
    }
    EXPECT_EQ(abiertos.size(), 9u);
    EXPECT_EQ(abiertosEnLaCarpeta(), QStringList());
}

TEST_F(Exportacion, NoSeReentraYSeEscribeLaListaDelComienzo)
{
    FotoLista l = lista();
    // While it runs, pending events clear the list and click the button again.
    QTimer::singleShot(0, [&] {
        l.ListItems.clear();
        ExportarListViewExcel(l, false, false, -1, -1, -1);
    });
    ExportarListViewExcel(l, false, false, -1, -1, -1);
    ASSERT_EQ(abiertos.size(), 1u);
    const QString hoja = QString::fromUtf8(ParteDelLibro(abiertos[0], "xl/worksheets/sheet1.xml"));
    EXPECT_TRUE(hoja.contains("<t>A003</t>"));
}

TEST_F(Exportacion, ElCartelMuestraLoQueSeExporta)
{
    QString titulo;
    QStringList lineas;
    QTimer mira;
    QObject::connect(&mira, &QTimer::timeout, [&] {
        if (const Lbf_CtrlDisplay* v = ModGlobal::gCartel->Ventana()) {
            titulo = v->windowTitle();
            lineas = {v->LblCtrol[0]->text(), v->LblCtrol[1]->text(), v->LblCtrol[2]->text()};
            EXPECT_FALSE(v->CmdDisplayCancelar->isVisible());
        }
    });
    mira.start(0);
    ExportarListViewExcel(lista(), false, false, -1, -1, -1);
    mira.stop();
    EXPECT_EQ(titulo, "Exportando a Excel");
    // The last line shown: the last row's last sub-item, trimmed.
    EXPECT_EQ(lineas, (QStringList{"Exportando a Excel", "Espere Por Favor", "12,5"}));
    EXPECT_EQ(ModGlobal::gCartel->Ventana(), nullptr);
}
