#include "x11.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <cstring>
#include <memory>

namespace x11 {

namespace {

struct Frei {
    void operator()(void* p) const { std::free(p); }
};
template <class T>
using Antwort = std::unique_ptr<T, Frei>;

xcb_connection_t* verbindung()
{
    if (!aktiv())
        return nullptr;
    auto* x = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x ? x->connection() : nullptr;
}

xcb_window_t wurzel(xcb_connection_t* c)
{
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

xcb_atom_t atom(xcb_connection_t* c, const char* name)
{
    const Antwort<xcb_intern_atom_reply_t> r(xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr));
    return r ? r->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The atoms are interned once; their numbers never change while connected.
struct Atome {
    xcb_atom_t rahmen, rahmenAnfrage, zustand, maxWaagrecht, maxSenkrecht, vollbild, wmPruefung;
};

const Atome& atome(xcb_connection_t* c)
{
    static const Atome a{atom(c, "_NET_FRAME_EXTENTS"),
                         atom(c, "_NET_REQUEST_FRAME_EXTENTS"),
                         atom(c, "_NET_WM_STATE"),
                         atom(c, "_NET_WM_STATE_MAXIMIZED_HORZ"),
                         atom(c, "_NET_WM_STATE_MAXIMIZED_VERT"),
                         atom(c, "_NET_WM_STATE_FULLSCREEN"),
                         atom(c, "_NET_SUPPORTING_WM_CHECK")};
    return a;
}

Antwort<xcb_get_property_reply_t> eigenschaft(xcb_connection_t* c, xcb_window_t w,
                                             xcb_atom_t name, xcb_atom_t typ, uint32_t laenge)
{
    return Antwort<xcb_get_property_reply_t>(
        xcb_get_property_reply(c, xcb_get_property(c, 0, w, name, typ, 0, laenge), nullptr));
}

std::optional<xcb_window_t> pruefFenster(xcb_connection_t* c, xcb_window_t w)
{
    const auto r = eigenschaft(c, w, atome(c).wmPruefung, XCB_ATOM_WINDOW, 1);
    if (!r || r->type != XCB_ATOM_WINDOW || xcb_get_property_value_length(r.get()) != 4)
        return std::nullopt;
    return *static_cast<xcb_window_t*>(xcb_get_property_value(r.get()));
}

}  // namespace

bool aktiv()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

bool fenstermanagerLaeuft()
{
    xcb_connection_t* c = verbindung();
    if (!c)
        return false;
    // The check window must point to itself, or it is left over from a manager that ended.
    const auto pruef = pruefFenster(c, wurzel(c));
    return pruef && pruefFenster(c, *pruef) == pruef;
}

std::optional<QMargins> rahmen(WId fenster)
{
    xcb_connection_t* c = verbindung();
    if (!c)
        return std::nullopt;
    const auto r = eigenschaft(c, static_cast<xcb_window_t>(fenster), atome(c).rahmen,
                               XCB_ATOM_CARDINAL, 4);
    if (!r || r->type != XCB_ATOM_CARDINAL || r->format != 32
        || xcb_get_property_value_length(r.get()) != 16)
        return std::nullopt;
    const auto* v = static_cast<const uint32_t*>(xcb_get_property_value(r.get()));
    // left, right, top, bottom
    return QMargins(static_cast<int>(v[0]), static_cast<int>(v[2]), static_cast<int>(v[1]),
                    static_cast<int>(v[3]));
}

std::optional<QMargins> fordereRahmenAn(WId fenster, int ms)
{
    xcb_connection_t* c = verbindung();
    if (!c)
        return std::nullopt;
    xcb_client_message_event_t e{};
    e.response_type = XCB_CLIENT_MESSAGE;
    e.format = 32;
    e.window = static_cast<xcb_window_t>(fenster);
    e.type = atome(c).rahmenAnfrage;
    xcb_send_event(c, 0, wurzel(c),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&e));
    xcb_flush(c);
    QElapsedTimer uhr;
    uhr.start();
    for (;;) {
        if (auto r = rahmen(fenster))
            return r;
        if (uhr.elapsed() >= ms)
            return std::nullopt;
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 5);
    }
}

std::optional<QRect> geometrie(WId fenster)
{
    xcb_connection_t* c = verbindung();
    if (!c)
        return std::nullopt;
    const auto w = static_cast<xcb_window_t>(fenster);
    const Antwort<xcb_get_geometry_reply_t> g(
        xcb_get_geometry_reply(c, xcb_get_geometry(c, w), nullptr));
    const Antwort<xcb_translate_coordinates_reply_t> t(xcb_translate_coordinates_reply(
        c, xcb_translate_coordinates(c, w, wurzel(c), 0, 0), nullptr));
    if (!g || !t)
        return std::nullopt;
    return QRect(t->dst_x, t->dst_y, g->width, g->height);
}

void fordereGroesse(WId fenster, QSize groesse)
{
    xcb_connection_t* c = verbindung();
    if (!c)
        return;
    const uint32_t werte[] = {static_cast<uint32_t>(std::max(groesse.width(), 1)),
                              static_cast<uint32_t>(std::max(groesse.height(), 1))};
    xcb_configure_window(c, static_cast<xcb_window_t>(fenster),
                         XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT, werte);
    xcb_flush(c);
}

void fordereOrt(WId fenster, QPoint ort)
{
    xcb_connection_t* c = verbindung();
    if (!c)
        return;
    const uint32_t werte[] = {static_cast<uint32_t>(ort.x()), static_cast<uint32_t>(ort.y())};
    xcb_configure_window(c, static_cast<xcb_window_t>(fenster), XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y,
                         werte);
    xcb_flush(c);
}

void erlaubeJedeGroesse(WId fenster, std::optional<QSize> minimum)
{
    xcb_connection_t* c = verbindung();
    if (!c)
        return;
    const auto w = static_cast<xcb_window_t>(fenster);
    // WM_SIZE_HINTS: flags, x, y, width, height, min, max, increment, aspects, base, gravity.
    constexpr int Felder = 18;
    constexpr uint32_t Minimum = 16, Schritt = 64, Basis = 256;
    const auto r = eigenschaft(c, w, XCB_ATOM_WM_NORMAL_HINTS, XCB_ATOM_WM_SIZE_HINTS, Felder);
    if (!r || r->type != XCB_ATOM_WM_SIZE_HINTS || r->format != 32
        || xcb_get_property_value_length(r.get()) != Felder * 4)
        return;
    uint32_t h[Felder];
    std::memcpy(h, xcb_get_property_value(r.get()), sizeof h);
    uint32_t vorher[Felder];
    std::memcpy(vorher, h, sizeof h);
    h[0] &= ~(Schritt | Basis);
    h[9] = h[10] = 1;
    h[15] = h[16] = 0;
    if (minimum) {
        h[0] |= Minimum;
        h[5] = static_cast<uint32_t>(std::max(minimum->width(), 1));
        h[6] = static_cast<uint32_t>(std::max(minimum->height(), 1));
    }
    if (std::memcmp(h, vorher, sizeof h) == 0)
        return;
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, XCB_ATOM_WM_NORMAL_HINTS, XCB_ATOM_WM_SIZE_HINTS, 32,
                        Felder, h);
    xcb_flush(c);
}

namespace {

// Whether _NET_WM_STATE holds every one of the states.
bool hatZustaende(WId fenster, std::initializer_list<xcb_atom_t Atome::*> zustaende)
{
    xcb_connection_t* c = verbindung();
    if (!c)
        return false;
    const Atome& a = atome(c);
    const auto r = eigenschaft(c, static_cast<xcb_window_t>(fenster), a.zustand, XCB_ATOM_ATOM, 64);
    if (!r || r->type != XCB_ATOM_ATOM)
        return false;
    const int n = xcb_get_property_value_length(r.get()) / 4;
    const auto* v = static_cast<const xcb_atom_t*>(xcb_get_property_value(r.get()));
    for (xcb_atom_t Atome::*z : zustaende) {
        if (std::find(v, v + n, a.*z) == v + n)
            return false;
    }
    return true;
}

}  // namespace

bool maximiert(WId fenster) { return hatZustaende(fenster, {&Atome::maxWaagrecht, &Atome::maxSenkrecht}); }

bool vollbild(WId fenster) { return hatZustaende(fenster, {&Atome::vollbild}); }

Beobachter::Beobachter(WId fenster) : m_fenster(fenster)
{
    m_uhr.start();
    QCoreApplication::instance()->installNativeEventFilter(this);
}

Beobachter::~Beobachter()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

void Beobachter::neuerAuftrag()
{
    m_konfigurationen = 0;
    m_zustand = 0;
    m_uhr.restart();
}

bool Beobachter::rahmenGeaendert()
{
    const bool geaendert = m_rahmenGeaendert;
    m_rahmenGeaendert = false;
    return geaendert;
}

bool Beobachter::nativeEventFilter(const QByteArray& art, void* nachricht, qintptr*)
{
    if (art != "xcb_generic_event_t")
        return false;
    const auto* e = static_cast<const xcb_generic_event_t*>(nachricht);
    switch (e->response_type & 0x7f) {
    case XCB_CONFIGURE_NOTIFY: {
        const auto* k = static_cast<const xcb_configure_notify_event_t*>(nachricht);
        if (k->window == m_fenster) {
            ++m_konfigurationen;
            m_letzteGroesse = QSize(k->width, k->height);
            m_uhr.restart();
        }
        break;
    }
    case XCB_PROPERTY_NOTIFY: {
        const auto* p = static_cast<const xcb_property_notify_event_t*>(nachricht);
        if (p->window != m_fenster)
            break;
        xcb_connection_t* c = verbindung();
        if (!c)
            break;
        if (p->atom == atome(c).rahmen) {
            m_rahmenGeaendert = true;
            m_uhr.restart();
        } else if (p->atom == atome(c).zustand) {
            ++m_zustand;
            m_uhr.restart();
        }
        break;
    }
    default:
        break;
    }
    return false;  // Qt handles every event as usual
}

}  // namespace x11
