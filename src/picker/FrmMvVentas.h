#pragma once
// A sales voucher window that exists only by its names: two grids, a serial
// port and two public members. Nothing opens it and none of its members does
// anything; callers that name it find it.

#include "platform/controles/grilla.h"

#include <QObject>
#include <QString>
#include <QVariant>
#include <QWidget>

class VistaGrilla;

// Stands for the serial-port control: it only holds the code of its last event.
class MSComm : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    int CommEvent = 0;

signals:
    void OnComm();
};

class FrmMvVentas : public QWidget {
    Q_OBJECT
public:
    explicit FrmMvVentas(QWidget* padre = nullptr);

    Grilla MSFlexGrid1;
    Grilla MSFlexGrid3;
    VistaGrilla* vistaMSFlexGrid1 = nullptr;
    VistaGrilla* vistaMSFlexGrid3 = nullptr;
    MSComm* MSComm1 = nullptr;

    void AgregoRegargo(const QVariant& cualquierimporte);
    void AnulacionCompleta(const QVariant& TC, const QVariant& Sucursal, const QVariant& Numero, const QVariant& Letra);

public slots:
    void MSComm1_OnComm();
};
