#include "platform/controles/lista.h"

#include "platform/db/reglas_sqlite.h"

using namespace ErroresControl;

namespace {
constexpr double AnchoEncabezadoPredeterminado = 1440;
}

// --- ColumnHeader -----------------------------------------------------------

int ColumnHeader::Index() const
{
    return lista_->encabezados_.encabezados_.Indice(*this);
}

void ColumnHeader::avisar()
{
    emit lista_->encabezadoCambiado(Index());
}

void ColumnHeader::setText(const QString& texto)
{
    if (texto_ == texto)
        return;
    texto_ = texto;
    avisar();
}

void ColumnHeader::setWidth(double twips)
{
    if (twips < 0)
        Lanzar(ValorNoValido);
    if (ancho_ == twips)
        return;
    ancho_ = twips;
    avisar();
}

void ColumnHeader::setAlignment(int alineacion)
{
    if (alineacion < lvwColumnLeft || alineacion > lvwColumnCenter)
        Lanzar(ValorNoValido);
    alineacion_ = alineacion;
    avisar();
}

void ColumnHeader::setPosition(int posicion)
{
    if (posicion < 1 || posicion > lista_->encabezados_.Count())
        Lanzar(ValorNoValido);
    if (posicion == posicion_)
        return;
    lista_->encabezados_.moverPosicion(*this, posicion);
    avisar();
}

// --- EncabezadosLista -------------------------------------------------------

void EncabezadosLista::moverPosicion(ColumnHeader& encabezado, int posicion)
{
    const int antes = encabezado.posicion_;
    for (const auto& otro : encabezados_) {
        if (otro.get() == &encabezado)
            continue;
        if (posicion < antes && otro->posicion_ >= posicion && otro->posicion_ < antes)
            ++otro->posicion_;
        else if (posicion > antes && otro->posicion_ > antes && otro->posicion_ <= posicion)
            --otro->posicion_;
    }
    encabezado.posicion_ = posicion;
}

ColumnHeader& EncabezadosLista::Add(int indice, const QString& clave, const QString& texto, double ancho,
                                    int alineacion)
{
    if (alineacion < lvwColumnLeft || alineacion > lvwColumnCenter)
        Lanzar(ValorNoValido);
    const int donde = encabezados_.Validar(indice, clave);
    emit lista_.antesDeCambiarEncabezados();
    for (const auto& otro : encabezados_)
        if (otro->posicion_ >= donde)
            ++otro->posicion_;
    ColumnHeader& nuevo = encabezados_.Insertar(donde, clave, std::make_unique<ColumnHeader>(lista_));
    nuevo.texto_ = texto;
    nuevo.ancho_ = ancho < 0 ? AnchoEncabezadoPredeterminado : ancho;
    nuevo.alineacion_ = alineacion;
    nuevo.posicion_ = donde;
    emit lista_.encabezadosCambiados();
    return nuevo;
}

void EncabezadosLista::Remove(int indice)
{
    const int posicion = Item(indice).posicion_;
    emit lista_.antesDeCambiarEncabezados();
    encabezados_.Quitar(indice);
    for (const auto& otro : encabezados_)
        if (otro->posicion_ > posicion)
            --otro->posicion_;
    emit lista_.encabezadosCambiados();
}

void EncabezadosLista::Clear()
{
    emit lista_.antesDeCambiarEncabezados();
    encabezados_.Vaciar();
    emit lista_.encabezadosCambiados();
}

// --- ListSubItem ------------------------------------------------------------

QString ListSubItem::Text() const { return elemento_->sub(indice_).texto; }
ColorBgr ListSubItem::ForeColor() const { return elemento_->sub(indice_).tinta; }
bool ListSubItem::Bold() const { return elemento_->sub(indice_).negrita; }
QVariant ListSubItem::Tag() const { return elemento_->sub(indice_).tag; }

void ListSubItem::setText(const QString& texto)
{
    elemento_->sub(indice_).texto = texto;
    elemento_->avisar();
}

void ListSubItem::setForeColor(ColorBgr color)
{
    elemento_->sub(indice_).tinta = color;
    elemento_->avisar();
}

void ListSubItem::setBold(bool negrita)
{
    elemento_->sub(indice_).negrita = negrita;
    elemento_->avisar();
}

void ListSubItem::setTag(const QVariant& tag)
{
    elemento_->sub(indice_).tag = tag;
}

// --- ListItem ---------------------------------------------------------------

int ListItem::Index() const
{
    lista_->AsegurarOrden();
    return lista_->elementos_.elementos_.Indice(*this);
}

void ListItem::avisar()
{
    emit lista_->elementoCambiado(this);
}

ListItem::Sub& ListItem::sub(int indice)
{
    return subs_[size_t(indice - 1)];
}

const ListItem::Sub& ListItem::sub(int indice) const
{
    return subs_[size_t(indice - 1)];
}

void ListItem::setText(const QString& texto)
{
    texto_ = texto;
    avisar();
}

QString ListItem::SubItems(int indice) const
{
    if (indice < 1 || indice >= lista_->encabezados_.Count())
        Lanzar(ValorNoValido);
    return size_t(indice) <= subs_.size() ? sub(indice).texto : QString();
}

void ListItem::setSubItems(int indice, const QString& texto)
{
    if (indice < 1 || indice >= lista_->encabezados_.Count())
        Lanzar(ValorNoValido);
    if (size_t(indice) > subs_.size())
        subs_.resize(size_t(indice));
    sub(indice).texto = texto;
    avisar();
}

ListSubItem ListItem::ListSubItems(int indice)
{
    if (indice < 1 || size_t(indice) > subs_.size())
        Lanzar(IndiceFueraDeLimites);
    return ListSubItem(*this, indice);
}

void ListItem::setChecked(bool marcado)
{
    if (marcado_ == marcado)
        return;
    marcado_ = marcado;
    avisar();
}

void ListItem::setBold(bool negrita)
{
    negrita_ = negrita;
    avisar();
}

void ListItem::setForeColor(ColorBgr color)
{
    tinta_ = color;
    avisar();
}

void ListItem::setSmallIcon(int icono)
{
    iconoChico_ = icono;
    avisar();
}

void ListItem::setSelected(bool seleccionado)
{
    lista_->seleccionar(*this, seleccionado);
}

void ListItem::EnsureVisible()
{
    emit lista_->asegurarVisible(this);
}

// --- ElementosLista ---------------------------------------------------------

ListItem& ElementosLista::Add(int indice, const QString& clave, const QString& texto, int icono, int iconoChico)
{
    if (indice != 0)
        lista_.AsegurarOrden();
    const int donde = elementos_.Validar(indice, clave);
    emit lista_.antesDeInsertar(donde - 1);
    ListItem& nuevo = elementos_.Insertar(donde, clave, std::make_unique<ListItem>(lista_));
    nuevo.texto_ = texto;
    nuevo.icono_ = icono;
    nuevo.iconoChico_ = iconoChico;
    if (lista_.ordenada_)
        lista_.pendiente_ = true;
    emit lista_.insertado(donde - 1);
    return nuevo;
}

ListItem& ElementosLista::Item(int indice) const
{
    lista_.AsegurarOrden();
    return elementos_.Item(indice);
}

void ElementosLista::Remove(int indice)
{
    ListItem& elemento = Item(indice);
    emit lista_.antesDeQuitar(indice - 1);
    const bool eraElSeleccionado = lista_.seleccionado_ == &elemento;
    if (eraElSeleccionado)
        lista_.seleccionado_ = nullptr;
    elementos_.Quitar(indice);
    emit lista_.quitado(indice - 1);
    if (eraElSeleccionado)
        emit lista_.seleccionCambiada();
}

void ElementosLista::Clear()
{
    emit lista_.antesDeVaciar();
    elementos_.Vaciar();
    lista_.seleccionado_ = nullptr;
    lista_.pendiente_ = false;
    emit lista_.vaciada();
}

// --- Lista ------------------------------------------------------------------

Lista::Lista(QObject* padre) : QObject(padre), elementos_(*this), encabezados_(*this)
{
}

void Lista::seleccionar(ListItem& elemento, bool seleccionado)
{
    if (seleccionado) {
        if (seleccionado_ == &elemento && elemento.seleccionado_)
            return;
        if (!multiple_ && seleccionado_ && seleccionado_ != &elemento)
            seleccionado_->seleccionado_ = false;
        elemento.seleccionado_ = true;
        seleccionado_ = &elemento;
    } else {
        if (!elemento.seleccionado_ && seleccionado_ != &elemento)
            return;
        elemento.seleccionado_ = false;
        if (seleccionado_ == &elemento)
            seleccionado_ = nullptr;
    }
    emit seleccionCambiada();
}

void Lista::setSelectedItem(ListItem* elemento)
{
    if (elemento)
        seleccionar(*elemento, true);
    else if (seleccionado_)
        seleccionar(*seleccionado_, false);
}

void Lista::setSorted(bool ordenada)
{
    ordenada_ = ordenada;
    if (ordenada)
        ordenar();
    else
        pendiente_ = false;
}

void Lista::setSortKey(int columna)
{
    if (columna < 0)
        Lanzar(ValorNoValido);
    claveOrden_ = columna;
    if (ordenada_)
        ordenar();
}

void Lista::setSortOrder(int sentido)
{
    if (sentido != lvwAscending && sentido != lvwDescending)
        Lanzar(ValorNoValido);
    sentido_ = sentido;
    if (ordenada_)
        ordenar();
}

void Lista::setCheckboxes(bool casillas)
{
    casillas_ = casillas;
    emit aspectoCambiado();
}

void Lista::setMultiSelect(bool multiple)
{
    multiple_ = multiple;
    emit aspectoCambiado();
}

void Lista::Refresh()
{
    emit aspectoCambiado();
}

void Lista::AsegurarOrden()
{
    if (pendiente_)
        ordenar();
}

void Lista::ordenar()
{
    pendiente_ = false;
    emit antesDeReordenar();
    const int clave = claveOrden_;
    const auto texto = [clave](const ListItem& e) -> const QString& {
        static const QString vacio;
        if (clave == 0)
            return e.texto_;
        return size_t(clave) <= e.subs_.size() ? e.subs_[size_t(clave - 1)].texto : vacio;
    };
    // Texts sort as the database sorts them: a column clicked orders as a query would.
    if (sentido_ == lvwAscending)
        elementos_.elementos_.Ordenar([&](const ListItem& a, const ListItem& b) {
            return ReglasSqlite::ComparaSinCaso(texto(a), texto(b)) < 0;
        });
    else
        elementos_.elementos_.Ordenar([&](const ListItem& a, const ListItem& b) {
            return ReglasSqlite::ComparaSinCaso(texto(a), texto(b)) > 0;
        });
    emit reordenada();
}
