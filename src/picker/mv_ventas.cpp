#include "picker/FrmMvVentas.h"

#include "platform/controles/vista_grilla.h"

#include <QVBoxLayout>

FrmMvVentas::FrmMvVentas(QWidget* padre) : QWidget(padre)
{
    setObjectName(QStringLiteral("FrmMvVentas"));
    setWindowTitle(QStringLiteral("Form1"));
    vistaMSFlexGrid1 = new VistaGrilla;
    vistaMSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    vistaMSFlexGrid1->setGrilla(&MSFlexGrid1);
    vistaMSFlexGrid3 = new VistaGrilla;
    vistaMSFlexGrid3->setObjectName(QStringLiteral("MSFlexGrid3"));
    vistaMSFlexGrid3->setGrilla(&MSFlexGrid3);
    MSComm1 = new MSComm(this);
    MSComm1->setObjectName(QStringLiteral("MSComm1"));
    connect(MSComm1, &MSComm::OnComm, this, &FrmMvVentas::MSComm1_OnComm);

    auto* v = new QVBoxLayout(this);
    v->addWidget(vistaMSFlexGrid1);
    v->addWidget(vistaMSFlexGrid3);
}

void FrmMvVentas::AgregoRegargo(const QVariant&)
{
}

void FrmMvVentas::AnulacionCompleta(const QVariant&, const QVariant&, const QVariant&, const QVariant&)
{
}

void FrmMvVentas::MSComm1_OnComm()
{
    // The event is read and left unused.
    [[maybe_unused]] const int evento = MSComm1->CommEvent;
}
