#include "picker/FrmDespacho.h"
#include "platform/selector_consultas.h"
#include "support/avisos_grabados.h"
#include "support/menu_contextual.h"
#include "support/sesion_global.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

using ModGlobal::gSesionBD;

const QString Atencion = QStringLiteral("Atención");
const QString FaltanCampos = QStringLiteral("Debe completar todos los campos");
const QString FaltaFecha = QStringLiteral("Debe completar la fecha de vencimiento");

// The dialog over a small origin table: AR "Argentina" and NU without a description.
class Despacho : public ::testing::Test {
protected:
    void SetUp() override
    {
        s.bd.Sesion().Ejecuta(
            QStringLiteral("INSERT INTO V_TA_ORIGEN (IdOrigen, Descripcion) VALUES ('AR', 'Argentina'), ('NU', NULL)"));
    }
    void TearDown() override { ModGlobal::gConsulta.Liberar(); }

    // As a caller does: creates the dialog, sets its variables and shows it
    // through the dialog service; the script runs while it is shown.
    void Abre(const QString& despacho, const QString& origen, const QString& aduana, const std::function<void()>& guion)
    {
        f = std::make_unique<FrmDespacho>();
        f->Despacho = despacho;
        f->Origen = origen;
        f->Aduana = aduana;
        avisos.ResponderDialogo([this, guion](QDialog& d) {
            d.show();
            EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
            guion();
            return d.result();
        });
        Avisos::Actual().Dialogo(*f);
    }

    QWidget* Foco() const
    {
        QWidget* w = QApplication::focusWidget();
        return w ? w : f.get();
    }
    void Tecla(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(Foco(), k, m); }
    // The operator replaces a box's text by typing.
    void Escribe(int indice, const QString& texto)
    {
        CajaTexto* caja = f->TxtFields[size_t(indice)];
        caja->setFocus();
        caja->selectAll();
        QTest::keyClick(caja, Qt::Key_Delete);
        QTest::keyClicks(caja, texto);
    }
    CajaTexto* Caja(int i) const { return f->TxtFields[size_t(i)]; }
    QStringList Mensajes() const
    {
        QStringList m;
        for (const PreguntaGrabada& p : avisos.preguntas)
            m << QStringLiteral("%1|%2|%3").arg(p.texto).arg(p.botones).arg(p.titulo);
        return m;
    }
    // The next pick list answers by typing the filter and Enter (or Esc with no filter).
    void EligeEnLaLista(const QString& filtro)
    {
        avisos.ResponderDialogo([filtro](QDialog& d) {
            auto& lista = dynamic_cast<DialogoSelector&>(d);
            lista.show();
            if (filtro.isEmpty()) {
                QTest::keyClick(&lista.Filtro(), Qt::Key_Escape);
            } else {
                QTest::keyClicks(&lista.Filtro(), filtro);
                QTest::keyClick(&lista.Filtro(), Qt::Key_Return);
            }
            return lista.result();
        });
    }

    SesionGlobal s;
    AvisosGrabados avisos;
    std::unique_ptr<FrmDespacho> f;
};

TEST_F(Despacho, CadaModoMuestraSusControles)
{
    struct Caso {
        const char* origen;
        const char* aduana;
        bool perecedero;
        const char* rotulo4;   // Label5 4
        const char* rotulo0;
        const char* rotulo1;
        const char* textos;    // boxes 0|1|2
        int largo1;
        const char* tag1;
        const char* descripcion;
    };
    const Caso casos[] = {
        {"", "PERECEDERO", true, "Vencimiento", "", "", "| 01/02/2030|", 10, "FECHA", ""},
        // The description of the origin passed in stays beside the hidden box.
        {"AR", "perecedero", true, "Vencimiento", "", "", "| 01/02/2030|", 10, "FECHA", "Argentina"},
        {"AR", "Rosario", false, "Despacho Nro.", "Origen", "Aduana", "AR| 01/02/2030|Rosario", 25, "", "Argentina"},
        // Shown trimmed, looked up as given: " AR" has no description until checked.
        {" AR ", " Rosario ", false, "Despacho Nro.", "Origen", "Aduana", "AR| 01/02/2030|Rosario", 25, "", ""},
        {"NU", "Rosario", false, "Despacho Nro.", "Origen", "Aduana", "NU| 01/02/2030|Rosario", 25, "", ""},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(std::string(c.origen) + "/" + c.aduana);
        Abre(QStringLiteral("  01/02/2030 "), QString::fromUtf8(c.origen), QString::fromUtf8(c.aduana), [&] {
            EXPECT_EQ(f->objectName(), QStringLiteral("FrmDespacho"));
            EXPECT_EQ(f->windowTitle(), QStringLiteral("Información del Despacho"));
            EXPECT_EQ(f->EsPerecedero, c.perecedero);
            for (int i : {0, 2})
                EXPECT_EQ(Caja(i)->isVisible(), !c.perecedero) << i;
            EXPECT_TRUE(Caja(1)->isVisible());
            EXPECT_EQ(f->CmdConsultar->isVisible(), !c.perecedero);
            EXPECT_TRUE(f->CmdAceptar->isVisible());
            EXPECT_TRUE(f->LblDesc->isVisible());
            EXPECT_EQ(f->Label5[0]->isVisible(), !c.perecedero);
            EXPECT_EQ(f->Label5[1]->isVisible(), !c.perecedero);
            EXPECT_EQ(f->Label5[4]->text(), QString::fromUtf8(c.rotulo4));
            EXPECT_EQ(f->Label5[0]->text(), QString::fromUtf8(c.rotulo0));
            EXPECT_EQ(f->Label5[1]->text(), QString::fromUtf8(c.rotulo1));
            EXPECT_EQ(Caja(0)->text() + u'|' + u' ' + Caja(1)->text() + u'|' + Caja(2)->text(), QString::fromUtf8(c.textos));
            EXPECT_EQ(Caja(1)->MaxLength(), c.largo1);
            EXPECT_EQ(Caja(1)->Tag, QString::fromUtf8(c.tag1));
            EXPECT_EQ(f->LblDesc->text(), QString::fromUtf8(c.descripcion));
            EXPECT_EQ(Caja(0)->MaxLength(), 4);
            EXPECT_EQ(Caja(2)->MaxLength(), 50);
            EXPECT_EQ(Foco(), Caja(1));
            EXPECT_EQ(f->IndiceCampoActual, 1);
        });
    }
    EXPECT_TRUE(avisos.preguntas.empty());
}

TEST_F(Despacho, AceptarPideLosCamposYDevuelveLoEscrito)
{
    struct Caso {
        const char* aduanaDada;   // the caller's customs office: chooses the mode
        const char* despacho;     // typed into the boxes
        const char* origen;
        const char* aduana;
        const char* mensaje;      // "" when the window hides
        const char* devuelto;     // Despacho|Origen|Aduana
    };
    const Caso casos[] = {
        {"Rosario", "", "AR", "Rosario", "Debe completar todos los campos", "|AR|Rosario"},
        {"Rosario", "D-1", "   ", "Rosario", "Debe completar todos los campos", "D-1||Rosario"},
        {"Rosario", "D-1", "AR", "    ", "Debe completar todos los campos", "D-1|AR|"},
        {"Rosario", "   ", "AR", "Rosario", "Debe completar todos los campos", "|AR|Rosario"},
        {"Rosario", "  D-1 ", " AR ", "  Campana  ", "", "D-1|AR|Campana"},
        // An origin the view lacks is taken.
        {"Rosario", "D-2", "XX", "Campana", "", "D-2|XX|Campana"},
        {"PERECEDERO", "   ", nullptr, nullptr, "Debe completar la fecha de vencimiento", "||"},
        // Not a date, and taken as typed.
        {"PERECEDERO", "31/02/2030", nullptr, nullptr, "", "31/02/2030||"},
    };
    for (const auto& [tecla, modificador] : {std::pair{Qt::Key_F2, Qt::NoModifier}, std::pair{Qt::Key_A, Qt::AltModifier}}) {
        for (const Caso& c : casos) {
            SCOPED_TRACE(std::string(c.aduanaDada) + " [" + c.despacho + "] " + (tecla == Qt::Key_F2 ? "F2" : "Alt+A"));
            avisos.preguntas.clear();
            Abre(QStringLiteral("antes"), QStringLiteral("AR"), QString::fromUtf8(c.aduanaDada), [&] {
                Escribe(1, QString::fromUtf8(c.despacho));
                if (c.origen) {
                    Escribe(0, QString::fromUtf8(c.origen));
                    Escribe(2, QString::fromUtf8(c.aduana));
                }
                Tecla(tecla, modificador);
                // A mnemonic clicks once the button has shown itself pressed.
                EXPECT_TRUE(QTest::qWaitFor([&] { return !f->isVisible() || !avisos.preguntas.empty(); }, 2000));
                const bool refusada = *c.mensaje != 0;
                EXPECT_EQ(f->isVisible(), refusada);
                EXPECT_EQ(Mensajes(), refusada ? QStringList{QString::fromUtf8(c.mensaje) + QStringLiteral("|64|") + Atencion} : QStringList());
                EXPECT_EQ(f->Despacho + u'|' + f->Origen + u'|' + f->Aduana, QString::fromUtf8(c.devuelto));
                f->hide();
            });
        }
    }
}

TEST_F(Despacho, LoPegadoDevuelveSoloLoQueCabeEnCadaCaja)
{
    // Pasted by Ctrl+V and from the box's menu: each box keeps its own width.
    const QString largo = QStringLiteral("ABCDEFGHIJ").repeated(20);
    for (bool menu : {false, true}) {
        SCOPED_TRACE(menu ? "menu" : "Ctrl+V");
        Abre(QString(), QString(), QStringLiteral("Rosario"), [&] {
            QApplication::clipboard()->setText(largo);
            for (int i : {1, 0, 2}) {
                Caja(i)->setFocus();
                Caja(i)->selectAll();
                if (menu)
                    ASSERT_TRUE(PegaDesdeElMenu(*Caja(i)));
                else
                    QTest::keyClick(Caja(i), Qt::Key_V, Qt::ControlModifier);
            }
            Tecla(Qt::Key_F2);
            EXPECT_FALSE(f->isVisible());
            EXPECT_EQ(f->Despacho + u'|' + f->Origen + u'|' + f->Aduana,
                      largo.left(25) + u'|' + largo.left(4) + u'|' + largo.left(50));
            f->hide();
        });
    }
}

TEST_F(Despacho, CancelarEscYLaCruzDevuelvenVacio)
{
    const std::function<void()> cierres[] = {
        [this] { QTest::mouseClick(f->CmdCancelar, Qt::LeftButton); },
        [this] { Tecla(Qt::Key_Escape); },
        [this] {
            Tecla(Qt::Key_C, Qt::AltModifier);
            EXPECT_TRUE(QTest::qWaitFor([&] { return !f->isVisible(); }, 2000));
        },
        [this] { f->close(); },
    };
    for (size_t i = 0; i < std::size(cierres); ++i) {
        SCOPED_TRACE(i);
        Abre(QStringLiteral("D-1"), QStringLiteral("AR"), QStringLiteral("Rosario"), [&] {
            // A refused accept has already copied the entries.
            Escribe(2, QString());
            Tecla(Qt::Key_F2);
            EXPECT_EQ(f->Despacho, QStringLiteral("D-1"));
            Escribe(1, QStringLiteral("D-9"));
            cierres[i]();
            EXPECT_FALSE(f->isVisible());
        });
        EXPECT_EQ(f->Despacho + u'|' + f->Origen + u'|' + f->Aduana, QStringLiteral("||"));
    }
}

TEST_F(Despacho, EnterAvanzaYRevisaElOrigen)
{
    Abre(QString(), QString(), QStringLiteral("Rosario"), [&] {
        EXPECT_EQ(Foco(), Caja(1));
        QTest::keyClicks(Foco(), QStringLiteral("D-1"));
        Tecla(Qt::Key_Return);
        EXPECT_EQ(Foco(), Caja(0));
        EXPECT_EQ(f->IndiceCampoActual, 0);

        struct Caso {
            const char* codigo;
            const char* descripcion;
        };
        for (const Caso c : {Caso{"AR", "Argentina"}, Caso{"XX", ""}, Caso{"NU", ""}, Caso{"ar", "Argentina"}}) {
            SCOPED_TRACE(c.codigo);
            f->LblDesc->setText(QStringLiteral("?"));
            Escribe(0, QString::fromUtf8(c.codigo));
            Tecla(Qt::Key_Return);
            EXPECT_EQ(f->LblDesc->text(), QString::fromUtf8(c.descripcion));
            EXPECT_EQ(Foco(), Caja(2));
        }
        // A blank origin is not looked up and leaves the description.
        Escribe(0, QStringLiteral("  "));
        gSesionBD->LimpiaBitacora();
        Tecla(Qt::Key_Return);
        EXPECT_EQ(f->LblDesc->text(), QStringLiteral("Argentina"));
        EXPECT_TRUE(s.Enviado().isEmpty());

        // Enter in the last box moves on to the buttons and clicks none.
        Escribe(0, QStringLiteral("AR"));
        Escribe(2, QStringLiteral("Rosario"));
        Tecla(Qt::Key_Return);
        EXPECT_EQ(Foco(), f->CmdConsultar);
        EXPECT_TRUE(f->isVisible());
        EXPECT_TRUE(avisos.preguntas.empty());
        EXPECT_EQ(avisos.dialogosMostrados, 1);
        // Enter on a focused button clicks it.
        f->CmdAceptar->setFocus();
        Tecla(Qt::Key_Return);
        EXPECT_FALSE(f->isVisible());
    });
    EXPECT_EQ(f->Despacho + u'|' + f->Origen + u'|' + f->Aduana, QStringLiteral("D-1|AR|Rosario"));
}

TEST_F(Despacho, LaBusquedaDelOrigenVaComoLiteral)
{
    Abre(QString(), QString(), QStringLiteral("Rosario"), [&] {
        for (const char* codigo : {"AR", "A'B"}) {
            Escribe(0, QString::fromUtf8(codigo));
            gSesionBD->LimpiaBitacora();
            Tecla(Qt::Key_Return);
        }
        EXPECT_EQ(s.Enviado(), QStringList{QStringLiteral("SELECT * FROM v_ta_origen WHERE IdOrigen = 'A''B'")});
        EXPECT_EQ(f->LblDesc->text(), QString());
    });
    EXPECT_TRUE(avisos.preguntas.empty());

    // The first look-up, at load, of the origin passed in.
    gSesionBD->LimpiaBitacora();
    Abre(QString(), QStringLiteral("AR"), QStringLiteral("Rosario"), [] {});
    EXPECT_EQ(s.Enviado(), QStringList{QStringLiteral("SELECT * FROM v_ta_origen WHERE IdOrigen = 'AR'")});
}

TEST_F(Despacho, F5LlenaElOrigenDesdeLaLista)
{
    s.bd.Sesion().Ejecuta(QStringLiteral("INSERT INTO V_TA_ORIGEN (IdOrigen, Descripcion) VALUES (' AR ', 'Con blancos')"));

    // From the origin box: the chosen code trimmed, checked, and the focus moves on.
    Abre(QStringLiteral("D-1"), QString(), QStringLiteral("Rosario"), [&] {
        Caja(0)->setFocus();
        EligeEnLaLista(QStringLiteral("blancos"));
        gSesionBD->LimpiaBitacora();
        Tecla(Qt::Key_F5);
        EXPECT_EQ(s.Enviado().value(0), QStringLiteral("select DESCRIPCION,IDorigen from v_ta_origen "));
        EXPECT_EQ(Caja(0)->text(), QStringLiteral("AR"));
        EXPECT_EQ(f->LblDesc->text(), QStringLiteral("Argentina"));
        EXPECT_EQ(Foco(), Caja(2));

        // Esc in the list empties the box.
        Caja(0)->setFocus();
        EligeEnLaLista(QString());
        Tecla(Qt::Key_F5);
        EXPECT_EQ(Caja(0)->text(), QString());
    });
    EXPECT_EQ(avisos.dialogosMostrados, 3);

    // From another box the chosen origin's description shows at once, also
    // over the one of the origin before; the simulated Enter checks and
    // leaves the current box.
    s.bd.Sesion().Ejecuta(QStringLiteral("INSERT INTO V_TA_ORIGEN (IdOrigen, Descripcion) VALUES ('CL', 'Chile')"));
    Abre(QStringLiteral("D-1"), QStringLiteral("AR"), QStringLiteral("Rosario"), [&] {
        EXPECT_EQ(f->LblDesc->text(), QStringLiteral("Argentina"));
        Caja(2)->setFocus();
        EligeEnLaLista(QStringLiteral("Chile"));
        Tecla(Qt::Key_F5);
        EXPECT_EQ(Caja(0)->text(), QStringLiteral("CL"));
        EXPECT_EQ(f->LblDesc->text(), QStringLiteral("Chile"));
        EXPECT_EQ(Foco(), f->CmdConsultar);
        // A list closed without a choice empties the box and leaves the description.
        EligeEnLaLista(QString());
        QTest::mouseClick(f->CmdConsultar, Qt::LeftButton);
        EXPECT_EQ(Caja(0)->text(), QString());
        EXPECT_EQ(f->LblDesc->text(), QStringLiteral("Chile"));
    });
    Abre(QStringLiteral("D-1"), QString(), QStringLiteral("Rosario"), [&] {
        EligeEnLaLista(QStringLiteral("Argentina"));
        QTest::mouseClick(f->CmdConsultar, Qt::LeftButton);
        EXPECT_EQ(Caja(0)->text(), QStringLiteral("AR"));
        EXPECT_EQ(f->LblDesc->text(), QStringLiteral("Argentina"));
        EXPECT_EQ(Foco(), Caja(0));
        Tecla(Qt::Key_F2);
        EXPECT_FALSE(f->isVisible());
    });
    EXPECT_EQ(f->Origen, QStringLiteral("AR"));

    // The expiry mode asks for no origin: F5 opens nothing.
    avisos.dialogosMostrados = 0;
    Abre(QStringLiteral("01/02/2030"), QStringLiteral("AR"), QStringLiteral("Perecedero"), [&] {
        Tecla(Qt::Key_F5);
        EXPECT_EQ(Caja(0)->text(), QString());
        Tecla(Qt::Key_F2);
    });
    EXPECT_EQ(avisos.dialogosMostrados, 1);
    EXPECT_EQ(f->Despacho + u'|' + f->Origen + u'|' + f->Aduana, QStringLiteral("01/02/2030||"));
}

TEST_F(Despacho, SalirDeUnaCajaLaPoneBlancaConLetraNegra)
{
    Abre(QString(), QString(), QStringLiteral("Rosario"), [&] {
        Caja(1)->Colorea(0x0000FF, 0xFFFF00);
        Caja(0)->setFocus();
        EXPECT_EQ(Caja(1)->BackColor(), 0xFFFFFFu);
        EXPECT_EQ(Caja(1)->ForeColor(), 0u);
    });
}

TEST_F(Despacho, LoQueDaElLlamadorVuelveEntero)
{
    const QString largo = QStringLiteral("123456789012345678901234567890");
    Abre(largo, QStringLiteral("ARGE1"), QStringLiteral("Rosario"), [&] {
        EXPECT_EQ(Caja(1)->text(), largo);
        EXPECT_EQ(Caja(0)->text(), QStringLiteral("ARGE1"));
        // Typing adds nothing to a box already past its limit.
        QTest::keyClick(Caja(1), Qt::Key_End);
        QTest::keyClicks(Caja(1), QStringLiteral("X"));
        Tecla(Qt::Key_F2);
    });
    EXPECT_EQ(f->Despacho, largo);
    EXPECT_EQ(f->Origen, QStringLiteral("ARGE1"));

    Abre(largo.left(12), QString(), QStringLiteral("PERECEDERO"), [&] { Tecla(Qt::Key_F2); });
    EXPECT_EQ(f->Despacho, largo.left(12));
}

TEST_F(Despacho, UnaBusquedaQueFallaVaAlGestorYLaVentanaQueda)
{
    s.bd.Sesion().Ejecuta(QStringLiteral("ALTER TABLE V_TA_ORIGEN RENAME TO V_TA_ORIGEN_FUERA"));
    struct Caso {
        const char* evento;
        std::function<void()> accion;
    };
    const Caso casos[] = {
        {"Form_Load", [] {}},
        {"TxtFields_KeyDown", [this] { Escribe(0, QStringLiteral("BR")), Tecla(Qt::Key_Return); }},
        {"CmdAceptar_Click", [this] { Escribe(0, QStringLiteral("BR")), Tecla(Qt::Key_F2); }},
        {"CmdConsultar_Click", [this] { Escribe(0, QStringLiteral("BR")), Tecla(Qt::Key_F5); }},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.evento);
        const bool alCargar = QLatin1String(c.evento) == QLatin1String("Form_Load");
        avisos.preguntas.clear();
        Abre(QStringLiteral("D-1"), QStringLiteral("AR"), QStringLiteral("Rosario"), [&] {
            // The load looked the origin up as well.
            if (!alCargar) {
                ASSERT_EQ(avisos.preguntas.size(), 1u);
                avisos.preguntas.clear();
            }
            c.accion();
            EXPECT_TRUE(f->isVisible());
            EXPECT_EQ(f->LblDesc->text(), QString());
            // Laid out for its mode all the same, with what was typed.
            EXPECT_EQ(f->Label5[4]->text(), QStringLiteral("Despacho Nro."));
            EXPECT_EQ(Caja(0)->text(), alCargar ? QStringLiteral("AR") : QStringLiteral("BR"));
            EXPECT_EQ(Foco(), alCargar ? Caja(1) : Caja(0));
            f->hide();
        });
        ASSERT_EQ(avisos.preguntas.size(), 1u);
        EXPECT_TRUE(avisos.preguntas[0].titulo.endsWith(QStringLiteral(" - ") + QLatin1String(c.evento)))
            << avisos.preguntas[0].titulo.toStdString();
    }
}

}  // namespace
