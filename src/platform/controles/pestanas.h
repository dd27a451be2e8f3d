#pragma once
// The tab control of the windows: how many tabs, the current one (Tab, from
// 0), and each tab's caption and visibility. The model works without widgets;
// VistaPestanas is a QTabWidget that keeps its pages and the model in step.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTabWidget>
#include <vector>

class Pestanas : public QObject {
    Q_OBJECT
public:
    explicit Pestanas(QObject* padre = nullptr);

    int Tabs() const { return int(pestanas_.size()); }
    void setTabs(int cantidad);
    int Tab() const { return actual_; }
    void setTab(int indice);
    bool TabVisible(int indice) const;
    void setTabVisible(int indice, bool visible);
    QString TabCaption(int indice) const;
    void setTabCaption(int indice, const QString& titulo);

signals:
    void pestanasCambiadas();
    void pestanaCambiada(int indice);
    void actualCambiada(int anterior);

private:
    struct Pestana {
        QString titulo;
        bool visible = true;
    };
    void validar(int indice) const;
    std::vector<Pestana> pestanas_;
    int actual_ = 0;
};

class VistaPestanas : public QTabWidget {
    Q_OBJECT
public:
    explicit VistaPestanas(QWidget* padre = nullptr);
    // The model takes the widget's pages, captions and current tab.
    void setPestanas(Pestanas* pestanas);
    Pestanas* pestanas() const { return pestanas_; }

signals:
    void Click(int PreviousTab);

protected:
    void tabInserted(int indice) override;
    void tabRemoved(int indice) override;

private:
    void tomarDelWidget();
    void aplicar(int indice);

    QPointer<Pestanas> pestanas_;
    bool sincronizando_ = false;
};
