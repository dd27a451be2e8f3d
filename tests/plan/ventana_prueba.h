#pragma once
// The start-up window on a temporary copy of the demo database, started the
// way the suite starts it (a parameter string on the command line), with
// message boxes, dialogs, launches, file opening and the program's end
// replaced by recording doubles.

#include "plan/FrmTervalio.h"
#include "platform/controles/vista_grilla.h"
#include "platform/selector_consultas.h"
#include "session/ModGlobal.h"
#include "support/avisos_grabados.h"
#include "support/base_prueba.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

struct FinDelPrograma {
    int codigo;
};

class VentanaPrueba : public ::testing::Test {
protected:
    void SetUp() override
    {
        InfoSistema::FijarCarpetaSistema(bd.Carpeta());
        CopiaEstilos();
        Sistema::FijarCarpetaAplicacion(bd.Carpeta());
        Sistema::FijarNombreEjecutable(QStringLiteral("V_Pelmaro"));
        Sistema::FijarLineaDeComandos(QStringLiteral("@server=") + bd.Archivo() +
                                      QStringLiteral(";@dbname=DEMO;@usuario=SUPERVISOR;@Password=;"
                                                     "@UsuarioLogeado=SUPERVISOR;@Caja=1;"));
        Sistema::FijarTerminador([this](int codigo) {
            finDelPrograma = codigo;
            throw FinDelPrograma{codigo};
        });
        Sistema::FijarLanzador([this](const QString& programa, const QStringList& args, const QString&) -> qint64 {
            lanzados.push_back(programa + u' ' + args.join(u' '));
            return lanzadorResponde;
        });
        Sistema::FijarAbridor([this](const QString& archivo) {
            abiertos.push_back(archivo);
            return true;
        });
        PreparaBase();
        ventana = std::make_unique<FrmTervalio>();
        ventana->Form_Load();
        ventana->show();
        ventana->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(ventana.get()));
        QApplication::processEvents();
    }

    void TearDown() override
    {
        ventana.reset();
        ModGlobal::gSesionBD.Liberar();
        ModGlobal::gSesionEstadisticas.Liberar();
        ModGlobal::gCartel.Liberar();
        ModGlobal::gConsulta.Liberar();
        ModGlobal::gTablaConfiguracion.clear();
        Sistema::FijarLineaDeComandos(std::nullopt);
        Sistema::FijarTerminador(nullptr);
        Sistema::FijarLanzador(nullptr);
        Sistema::FijarAbridor(nullptr);
        Sistema::FijarCarpetaAplicacion(QString());
        Sistema::FijarNombreEjecutable(QString());
        InfoSistema::FijarCarpetaSistema(QString());
    }

    // The skins travel beside the program; the window's folder gets a copy.
    void CopiaEstilos() const
    {
        const QDir origen(QCoreApplication::applicationDirPath() + QStringLiteral("/Styles"));
        QDirIterator it(origen.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString archivo = it.next();
            const QString destino = bd.Carpeta() + QStringLiteral("/Styles/") + origen.relativeFilePath(archivo);
            QDir().mkpath(QFileInfo(destino).path());
            QFile::copy(archivo, destino);
        }
    }

    // Settings or rows a test needs before the window starts.
    virtual void PreparaBase() {}

    // The widget with the keyboard once the window is active again (a closed
    // progress notice hands the activation back through the event loop).
    QWidget* Foco() const
    {
        if (!QTest::qWaitForWindowActive(ventana.get()))
            return nullptr;
        return QApplication::focusWidget();
    }

    // Names the plan by its production date, typed and Enter.
    void NombraPlan(const QString& fecha)
    {
        ventana->TxtFields[9]->setFocus();
        ventana->TxtFields[9]->setText(fecha);
        QTest::keyClick(ventana->TxtFields[9], Qt::Key_Return);
    }

    // Types into a plan cell as the operator does (the first character opens
    // the editor over the cell) and leaves the editor open.
    void TecleaSinConfirmar(int fila, int columna, const QString& texto)
    {
        FrmTervalio& v = *ventana;
        v.MSFlexGrid2.setRow(fila);
        v.MSFlexGrid2.setCol(columna);
        v.vistaMSFlexGrid2->setFocus();
        QTest::keyClicks(v.vistaMSFlexGrid2, texto.left(1));
        ASSERT_TRUE(v.txtEdit2->isVisible());
        QTest::keyClicks(v.txtEdit2, texto.mid(1));
    }

    // The same, then Enter.
    void TecleaEnCelda(int fila, int columna, const QString& texto)
    {
        TecleaSinConfirmar(fila, columna, texto);
        if (ventana->txtEdit2->isVisible())
            QTest::keyClick(ventana->txtEdit2, Qt::Key_Return);
    }

    // A pick-list answer: the operator narrows the list to the text and takes its first row.
    static std::function<int(QDialog&)> EligeEnLaLista(const QString& texto)
    {
        return [texto](QDialog& d) {
            auto& dialogo = dynamic_cast<DialogoSelector&>(d);
            dialogo.show();
            QTest::keyClicks(&dialogo.Filtro(), texto);
            QTest::keyClick(&dialogo.Filtro(), Qt::Key_Return);
            return d.result();
        };
    }

    // What the main session sent, from the last clear on.
    const QStringList& Enviado() const { return ModGlobal::gSesionBD->Bitacora(); }

    // The texts of a list's items, one "text|sub1|sub2..." per row (up to n columns).
    static QStringList Filas(const Lista& lista, int columnas)
    {
        QStringList r;
        for (int i = 1; i <= lista.ListItems().Count(); ++i) {
            const ListItem& e = lista.ListItems().Item(i);
            QStringList c{e.Text()};
            for (int j = 1; j < columnas; ++j)
                c << e.SubItems(j);
            r << c.join(u'|');
        }
        return r;
    }

    BasePrueba bd{BasePrueba::ConDemo};
    AvisosGrabados avisos;
    std::unique_ptr<FrmTervalio> ventana;
    std::vector<QString> lanzados;
    std::vector<QString> abiertos;
    qint64 lanzadorResponde = 4242;
    int finDelPrograma = -1;
};
