// One table of hostile texts typed into every text field of the start-up window
// that reaches a statement or a file, and written into the files the program
// reads: no crash, no statement error for an ordinary character, what is kept
// reads back as typed, and a refused value is refused in Spanish.
#include "ventana_prueba.h"

#include "platform/lector_ini.h"
#include "platform/texto_ansi.h"
#include "session/Def_QConsulta.h"
#include "voucher/columnas_grillas.h"

#include <QClipboard>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace {

using namespace ModGlobal;
namespace C = ColArticulos;

struct TextoHostil {
    const char* nombre;
    QString texto;
};

const TextoHostil Hostiles[] = {
    {"apostrofo", QStringLiteral("Mesa d'Oro")},
    {"barra", QStringLiteral("Mesa|Roble")},
    {"porcentaje", QStringLiteral("Mesa 50%")},
    {"guion bajo", QStringLiteral("Mesa_Roble")},
    {"corchete", QStringLiteral("Mesa [Roble")},
    {"255 caracteres", QStringLiteral("Mesa larga ").leftJustified(255, u'x')},
    {"euro", QStringLiteral("Mesa 15 €")},
    {"enie", QStringLiteral("Mesa de ñandubay")},
    {"CR LF", QStringLiteral("Mesa\r\nRoble")},
    {"solo blancos", QStringLiteral("     ")},
};

std::string Traza(const TextoHostil& h, const char* campo)
{
    return std::string(campo) + " <- " + h.nombre;
}

class TextosHostiles : public VentanaPrueba {
protected:
    // One article described by each hostile text (but the blank one), in a rubro and family of its own.
    void PreparaBase() override
    {
        SesionBD& s = bd.Sesion();
        int n = 0;
        for (const TextoHostil& h : Hostiles) {
            ++n;
            if (h.texto.trimmed().isEmpty())
                continue;
            s.Ejecuta(QStringLiteral("INSERT INTO V_MA_ARTICULOS (IDARTICULO, Descripcion, Presentacion, IdRubro, IdFamilia, "
                                     "IdUnidad, Costo, SUSPENDIDO) VALUES ('HOST%1', %2, 'x', 'MUE', '0101', 'UN', 10, 0)")
                          .arg(n, 2, 10, QChar(u'0'))
                          .arg(s.ValorSQL(h.texto, QStringLiteral("'"))));
        }
    }

    static QString Codigo(const TextoHostil& h)
    {
        return QStringLiteral("HOST%1").arg(int(&h - Hostiles) + 1, 2, 10, QChar(u'0'));
    }

    QStringList Codigos() const
    {
        QStringList r;
        for (int i = 1; i <= ventana->ListView1.ListItems().Count(); ++i)
            r << ventana->ListView1.ListItems().Item(i).Text();
        return r;
    }

    // No failure of a statement reached the operator: those come with the session as their source.
    void SinErrorDeSentencia()
    {
        for (const PreguntaGrabada& p : avisos.preguntas) {
            EXPECT_FALSE(p.titulo.contains(QStringLiteral("SesionBD"))) << p.texto.toStdString();
            EXPECT_FALSE(p.titulo.contains(QStringLiteral("Error"))) << p.texto.toStdString();
        }
    }

    // Opens the editor over a plan cell, puts the text in it as pasted and presses Enter.
    void PegaEnCelda(int fila, int columna, const QString& texto)
    {
        FrmTervalio& v = *ventana;
        v.MSFlexGrid2.setRow(fila);
        v.MSFlexGrid2.setCol(columna);
        v.vistaMSFlexGrid2->setFocus();
        QTest::keyClicks(v.vistaMSFlexGrid2, QStringLiteral("X"));
        ASSERT_TRUE(v.txtEdit2->isVisible());
        v.txtEdit2->setText(texto);
        QTest::keyClick(v.txtEdit2, Qt::Key_Return);
    }
};

TEST_F(TextosHostiles, FiltrosYBusquedaRapida)
{
    FrmTervalio& v = *ventana;
    const char* campos[] = {"Codigo",  "DescripcionArticulo", "DescripcionRubro",  "DescripcionTipo",
                            "DescripcionFamilia", "CodigoArtProveedor", "NombreProveedor"};
    for (bool contiene : {false, true}) {
        v.OptSearch[contiene ? 1 : 0]->setChecked(true);
        for (const TextoHostil& h : Hostiles) {
            for (const char* campo : campos) {
                SCOPED_TRACE(Traza(h, campo));
                avisos.preguntas.clear();
                CajaTexto& caja = *v.TxtFields[size_t(UtilidadesControles::IndiceControl(QString::fromLatin1(campo), v.TxtFields))];
                caja.setText(h.texto);
                QTest::mouseClick(v.CmdBuscar, Qt::LeftButton);
                EXPECT_TRUE(avisos.preguntas.empty()) << avisos.preguntas.front().texto.toStdString();
                // The description filter finds the article that holds the text.
                if (QLatin1String(campo) == QLatin1String("DescripcionArticulo") && !h.texto.trimmed().isEmpty()) {
                    EXPECT_TRUE(Codigos().contains(Codigo(h)));
                }
                caja.clear();
            }
            SCOPED_TRACE(Traza(h, "TxtBusqueda"));
            avisos.preguntas.clear();
            v.TxtBusqueda->setText(h.texto);
            v.FrmBuscar->show();
            v.TxtBusqueda->setFocus();
            QTest::keyClick(v.TxtBusqueda, Qt::Key_Return);
            EXPECT_TRUE(avisos.preguntas.empty());
            if (!h.texto.trimmed().isEmpty()) {
                EXPECT_TRUE(Codigos().contains(Codigo(h)));
            }
        }
    }
}

class DetalleHostil : public TextosHostiles {
protected:
    // Names the draft by a new date, plans one article, types the notes and
    // saves; the notes come back from the table and from the reloaded draft.
    void GuardaYRelee(const TextoHostil& h, int dia)
    {
        FrmTervalio& v = *ventana;
        SCOPED_TRACE(Traza(h, "DETALLE"));
        const QString nombre = QStringLiteral("%1/02/2027").arg(dia, 2, 10, QChar(u'0'));
        NombraPlan(nombre);
        PegaEnCelda(v.MSFlexGrid2.Rows() - 1, C::Codigo, QStringLiteral("MESA01"));
        // Pasted, as the operator brings a text with line breaks: the box takes what fits.
        v.TxtFields[10]->clear();
        v.TxtFields[10]->setFocus();
        QApplication::clipboard()->setText(h.texto);
        QTest::keyClick(v.TxtFields[10], Qt::Key_V, Qt::ControlModifier);
        const QString guardado = v.TxtFields[10]->text().trimmed();
        EXPECT_EQ(guardado, h.texto.left(50).trimmed());
        avisos.preguntas.clear();
        QTest::keyClick(v.vistaMSFlexGrid2, Qt::Key_F2);
        EXPECT_TRUE(avisos.preguntas.empty()) << avisos.preguntas.front().texto.toStdString();
        EXPECT_EQ(bd.Filas(QStringLiteral("SELECT Detalle FROM V_CPTES_MODELO_CAB WHERE Nombre = '%1'").arg(nombre)),
                  QStringList{guardado});
        NombraPlan(nombre);
        EXPECT_EQ(v.TxtFields[10]->text(), guardado);
    }
};

TEST_F(DetalleHostil, NombreYDetalleDelBorrador)
{
    FrmTervalio& v = *ventana;
    int dia = 0;
    for (const TextoHostil& h : Hostiles) {
        // The name is a date: any other text is refused in Spanish, and nothing is saved.
        SCOPED_TRACE(Traza(h, "NOMBRE"));
        avisos.preguntas.clear();
        NombraPlan(h.texto);
        ASSERT_EQ(avisos.preguntas.size(), 1u);
        EXPECT_EQ(avisos.preguntas[0].texto, QStringLiteral("Debe ingresar una fecha valida!!!"));
        QTest::keyClick(v.vistaMSFlexGrid2, Qt::Key_F2);
        SinErrorDeSentencia();

        // The notes are saved as the box holds them (at most 50 characters) and read back.
        GuardaYRelee(h, ++dia);
    }
}

TEST_F(TextosHostiles, CodigoYCantidadDelPlan)
{
    FrmTervalio& v = *ventana;
    NombraPlan(QStringLiteral("20/03/2027"));
    for (const TextoHostil& h : Hostiles) {
        SCOPED_TRACE(Traza(h, "IdArticulo"));
        avisos.preguntas.clear();
        const int fila = v.MSFlexGrid2.Rows() - 1;
        PegaEnCelda(fila, C::Codigo, h.texto);
        QTest::keyClick(v.txtEdit2, Qt::Key_Escape);
        SinErrorDeSentencia();
        // No article has such a code: the code is refused and the row stays blank.
        if (!h.texto.trimmed().isEmpty()) {
            ASSERT_EQ(avisos.preguntas.size(), 1u);
            EXPECT_EQ(avisos.preguntas[0].texto, QStringLiteral("El Código Informado no es Correcto"));
        }
        EXPECT_EQ(v.MSFlexGrid2.TextMatrix(fila, C::Codigo).trimmed(), QString());
    }
    PegaEnCelda(1, C::Codigo, QStringLiteral("MESA01"));
    for (const TextoHostil& h : Hostiles) {
        SCOPED_TRACE(Traza(h, "Cantidad"));
        avisos.preguntas.clear();
        PegaEnCelda(1, C::Cantidad, h.texto);
        QTest::keyClick(v.txtEdit2, Qt::Key_Escape);
        SinErrorDeSentencia();
        ASSERT_EQ(avisos.preguntas.size(), 1u);
        EXPECT_EQ(avisos.preguntas[0].texto, QStringLiteral("La cantidad ingresada no es un número válido"));
        EXPECT_EQ(v.MSFlexGrid2.TextMatrix(1, C::Cantidad), QStringLiteral("1"));
    }
}

// The quantity box of the article list: only a number plans the article.
TEST_F(TextosHostiles, CantidadDesdeLaLista)
{
    FrmTervalio& v = *ventana;
    NombraPlan(QStringLiteral("21/03/2027"));
    QTest::mouseClick(v.CmdBuscar, Qt::LeftButton);   // every article
    ASSERT_GT(v.ListView1.ListItems().Count(), 0);
    v.ListView1.setSelectedItem(&v.ListView1.ListItems().Item(1));
    for (const TextoHostil& h : Hostiles) {
        SCOPED_TRACE(Traza(h, "TxtCantidad"));
        avisos.preguntas.clear();
        v.MuestraCantidad();
        v.TxtCantidad->setText(h.texto);
        QTest::keyClick(v.TxtCantidad, Qt::Key_Return);
        SinErrorDeSentencia();
        if (h.texto.trimmed().isEmpty()) {
            EXPECT_TRUE(avisos.preguntas.empty());   // nothing typed, nothing planned
        } else {
            ASSERT_EQ(avisos.preguntas.size(), 1u);
            EXPECT_EQ(avisos.preguntas[0].texto, QStringLiteral("La cantidad ingresada no es un número válido"));
        }
        v.FrmCantidad->hide();
        EXPECT_EQ(v.MSFlexGrid2.TextMatrix(1, C::Codigo).trimmed(), QString());
    }
}

TEST_F(TextosHostiles, FechasDeLaProyeccion)
{
    FrmTervalio& v = *ventana;
    v.SSTab2.setTab(2);
    QTest::mouseClick(v.CmdCargarProyect, Qt::LeftButton);
    const int todas = v.ListView3.ColumnHeaders().Count();
    for (const TextoHostil& h : Hostiles) {
        for (int i : {11, 12}) {
            SCOPED_TRACE(Traza(h, i == 11 ? "FHD" : "FHH"));
            avisos.preguntas.clear();
            v.TxtFields[size_t(i)]->setText(h.texto);
            QTest::mouseClick(v.CmdCargarProyect, Qt::LeftButton);
            EXPECT_TRUE(avisos.preguntas.empty());
            // What is not a date limits nothing: every production date is projected.
            EXPECT_EQ(v.ListView3.ColumnHeaders().Count(), todas);
            v.TxtFields[size_t(i)]->clear();
        }
    }
}

// The workstation's INI file, written by the suite's Windows programs in their code page.
TEST_F(TextosHostiles, ValoresDelIni)
{
    const QString archivo = bd.Carpeta() + QStringLiteral("/CN000pr.INI");
    for (const TextoHostil& h : Hostiles) {
        SCOPED_TRACE(h.nombre);
        QFile f(archivo);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(TextoAnsi::Codifica(QStringLiteral("[") + InfoSistema::UsuarioEquipo().toUpper() +
                                    QStringLiteral("Styles]\r\nStyles=") + h.texto + QStringLiteral("\r\nOtra=1\r\n")));
        f.close();
        // A value is one line, blanks around it aside, as Windows reads it.
        const QString esperado = h.texto.section(u'\r', 0, 0).trimmed();
        EXPECT_EQ(LectorIni().LeeClave(archivo, InfoSistema::UsuarioEquipo().toUpper() + QStringLiteral("Styles"),
                                       QStringLiteral("Styles"), QStringLiteral("1")),
                  esperado);
        EXPECT_EQ(LectorIni().LeeClave(archivo, InfoSistema::UsuarioEquipo().toUpper() + QStringLiteral("Styles"),
                                       QStringLiteral("Otra")),
                  QStringLiteral("1"));
        // A skin that is no number is the default skin.
        avisos.preguntas.clear();
        AplicaSkin(*ventana);
        EXPECT_EQ(gEstiloSkin, 0);
        EXPECT_TRUE(avisos.preguntas.empty());
    }
}

// The saved-queries file: each title reads back as written, and its query runs.
TEST_F(TextosHostiles, ValoresDeConsultas)
{
    SelectorConsultas& selector = *gConsulta;
    for (const TextoHostil& h : Hostiles) {
        SCOPED_TRACE(h.nombre);
        Def_QConsulta::QConsulta r;
        r.Titulo = h.texto;
        r.Tabla = QStringLiteral("V_TA_RUBROS");
        r.Campos = QStringLiteral("|Descripcion|IdRubro|");
        QFile f(selector.ArchivoConsultas);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(r.Bytes());
        f.close();
        QString titulo;
        const QString sql = selector.SentenciaDe(QStringLiteral("V_TA_RUBROS"), &titulo);
        const QString esperado = h.texto.left(Def_QConsulta::QConsulta::AnchoTitulo).trimmed();
        EXPECT_EQ(titulo, esperado.isEmpty() ? QStringLiteral("V_TA_RUBROS") : esperado);
        EXPECT_EQ(sql, QStringLiteral("SELECT Descripcion,IdRubro FROM V_TA_RUBROS"));
        EXPECT_FALSE(BasePrueba::Filas(*gSesionBD, sql).isEmpty());
    }
}

}  // namespace
