// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/pageform1.h"

#include "core/accessibility/accessiblenames.h"
#include "core/exercise/tastierino.h"
#include "core/figures/piecelook.h"
#include "web/pageelements.h"

#include <algorithm>
#include <cstdio>

using emscripten::val;

namespace {

// The controls that take a click, each with its handler.
struct ClickHandler {
    Ctl id;
    void (Form1::*handler)();
};
constexpr std::array<ClickHandler, 16> kClicks = {{
    {Ctl::VIA, &Form1::VIA_Click},
    {Ctl::Command1, &Form1::Command1_Click},
    {Ctl::FINE, &Form1::FINE_Click},
    {Ctl::LEGGI, &Form1::LEGGI_Click},
    {Ctl::LbSegmento1, &Form1::LbSegmento1_Click},
    {Ctl::LbSegmento2, &Form1::LbSegmento2_Click},
    {Ctl::LbSegmento3, &Form1::LbSegmento3_Click},
    {Ctl::FrSegmento1, &Form1::FrSegmento1_Click},
    {Ctl::FrSegmento2, &Form1::FrSegmento2_Click},
    {Ctl::FrSegmento3, &Form1::FrSegmento3_Click},
    {Ctl::LbRisposta1, &Form1::LbRisposta1_Click},
    {Ctl::LbRisposta2, &Form1::LbRisposta2_Click},
    {Ctl::LbRisposta3, &Form1::LbRisposta3_Click},
    {Ctl::FrRet1, &Form1::FrRet1_Click},
    {Ctl::FrRet2, &Form1::FrRet2_Click},
    {Ctl::FrRet3, &Form1::FrRet3_Click},
}};

bool clickable(Ctl id) {
    return std::any_of(kClicks.begin(), kClicks.end(),
                       [id](const ClickHandler& c) { return c.id == id; }) ||
           codiceTasto(id).has_value();
}

// One unit piece, as an element of its frame: filled, with a one-pixel border
// inside it, as the desktop paints it.
void appendPiece(std::string& html, const ScalableGeometry& frame, const PieceGeometry& p,
                 PieceLook look, double tpp) {
    if (!p.visible)
        return;
    const PixelRect r = toPixels(frame.left, frame.top, p.left, p.top, p.width, p.height, tpp);
    if (r.width <= 0 || r.height <= 0)
        return;
    char piece[200];
    std::snprintf(piece, sizeof piece,
                  "<i style='left:%dpx;top:%dpx;width:%dpx;height:%dpx;background:%s;"
                  "border-color:%s'></i>",
                  r.x, r.y, r.width, r.height, cssColour(look.fill).c_str(),
                  cssColour(look.border).c_str());
    html += piece;
}

} // namespace

PageForm1::PageForm1(Clock& clock, Random& random, Pause& pause, const PageScreen& screen,
                     Audio& audio, Speech* speech, const ClassroomSettings& settings,
                     bool touchScreen)
    : screen_(screen), speech_(speech),
      logic_(modulo_, {clock, random, pause, screen, audio, *this, speech}),
      classifica_(modulo_, clock, screen.twipsPerPixel()),
      root_(val::global("document").call<val>("getElementById", std::string("Form1"))),
      shown_(logic_.stage()) {
    logic_.setLetturaAutomatica(settings.autoRead);
    if (speech_)
        speech_->setOnAvailabilityChanged([this] { logic_.speechAvailabilityChanged(); });
    logic_.setPad(settings.pad, touchScreen);
    creaControlli();
}

void PageForm1::creaControlli() {
    for (const Form1ControlDesign& d : form1Design()) {
        val container =
            d.inFrame1 ? elements_[static_cast<std::size_t>(index(Ctl::Frame1))] : root_;
        elements_.push_back(createElement(plain(d), d.name, clickable(d.id), container));
    }
}

void PageForm1::start() {
    logic_.Form_Load();
    resized();
}

void PageForm1::click(Ctl id) {
    if (closed_)
        return;
    if (codiceTasto(id)) {
        logic_.Tastierino_Click(id);
    } else {
        for (const ClickHandler& c : kClicks)
            if (c.id == id)
                (logic_.*c.handler)();
    }
    aggiorna();
}

void PageForm1::edited(Ctl box, const std::string& text) {
    logic_.setText(box, text);
}

void PageForm1::enter(Ctl box, const std::string& text) {
    if (closed_)
        return;
    int tasto = kTastoInvio;
    logic_.setText(box, text);
    logic_.KeyPress(box, tasto);
    aggiorna();
}

void PageForm1::tick() {
    if (closed_)
        return;
    logic_.Timer1_Timer();
    aggiorna();
}

void PageForm1::touched() {
    logic_.touched();
    aggiorna();
}

void PageForm1::painted() {
    logic_.Form_Paint();
    aggiorna();
}

void PageForm1::resized() {
    const double tpp = screen_.twipsPerPixel();
    logic_.setWindowSize(screen_.widthPixels() * tpp, screen_.heightPixels() * tpp);
    logic_.Form_Resize();
    aggiorna();
    classifica_.collocaDiNuovo(screen_.widthPixels(), screen_.heightPixels());
}

void PageForm1::voicesChanged() {
    if (auto* speech = dynamic_cast<PageSpeech*>(speech_))
        speech->voicesChanged();
    aggiorna();
}

void PageForm1::pump() {
    val coda = val::global("frazioni")["coda"];
    while (coda["length"].as<int>() > 0) {
        const std::string event = coda.call<std::string>("shift");
        if (event == "resize")
            resized();
        else if (event == "voices")
            voicesChanged();
        else if (event == "paint")
            painted();
        else if (event == "prosegui")
            classifica_.prosegui();
    }
}

bool PageForm1::hasAnswers() const {
    if (closed_)
        return false;
    const Modulo1& m = modulo_;
    const bool put = std::any_of(m.domandefatte.begin(), m.domandefatte.end(),
                                 [](std::int16_t f) { return f != 0; });
    return put || m.nrisposte > 0 ||
           m.nottimo + m.ndistinto + m.nbuono + m.nsufficiente + m.noccorre > 0;
}

void PageForm1::aggiorna() {
    const Stage& stage = logic_.stage();
    for (Ctl id : controlsToShow(shownOnce_ ? &shown_ : nullptr, stage))
        applicaControllo(id);
    if (!shownOnce_ || shown_.back != stage.back)
        setStyle(root_, "backgroundColor", cssColour(stage.back));
    if (!shownOnce_ || shown_.window.width != stage.window.width ||
        shown_.window.height != stage.window.height) {
        const double tpp = screen_.twipsPerPixel();
        setStyle(root_, "width", std::to_string(twipsToPixels(stage.window.width, tpp)) + "px");
        setStyle(root_, "height", std::to_string(twipsToPixels(stage.window.height, tpp)) + "px");
    }
    if (!shownOnce_ || figuresChanged(shown_, stage))
        applicaFigure();
    shown_ = stage;
    shownOnce_ = true;
    // A name also tells what a control shows, so it follows every change of the stage.
    for (const Form1ControlDesign& d : form1Design()) {
        const auto i = static_cast<std::size_t>(index(d.id));
        std::string name = accessibleName(d.id, stage);
        if (name != names_[i]) {
            setLabel(elements_[i], name);
            names_[i] = std::move(name);
        }
    }
    applicaFuoco();
}

void PageForm1::applicaFuoco() {
    // The box that waits for an answer takes the keyboard; with no box waiting,
    // a box keeps no focus, but a button the pupil reached with Tab keeps it.
    const Stage& stage = logic_.stage();
    val active = val::global("document")["activeElement"];
    if (stage.focus && stage[*stage.focus].visible && stage[*stage.focus].enabled &&
        stage.enabled) {
        val box = elements_[static_cast<std::size_t>(index(*stage.focus))];
        if (!active.strictlyEquals(box)) {
            val options = val::object();
            options.set("preventScroll", true);
            box.call<void>("focus", options);
        }
        return;
    }
    if (!active.isNull() && !active.isUndefined() && active["tagName"].as<std::string>() == "INPUT")
        active.call<void>("blur");
}

void PageForm1::applicaControllo(Ctl id) {
    const Stage& stage = logic_.stage();
    const Form1ControlDesign& d = design(id);
    const ControlState& c = stage[id];
    val& e = elements_[static_cast<std::size_t>(index(id))];
    const double tpp = screen_.twipsPerPixel();

    PixelRect r = controlPixels(stage, id, tpp);
    if (d.autoSize) {
        // Auto-size labels keep their left and top edge and follow their text.
        setStyle(e, "left", std::to_string(r.x) + "px");
        setStyle(e, "top", std::to_string(r.y) + "px");
    } else {
        place(e, r);
    }
    setFont(e, d.font, std::max(1.0f, c.geometry.fontSize), tpp);
    if (d.kind == ControlKind::Label || d.kind == ControlKind::Button ||
        d.kind == ControlKind::TextBox)
        setText(e, d.kind, c.text);
    if (d.opaque && c.back)
        setStyle(e, "backgroundColor", cssColour(*c.back));
    if (d.kind == ControlKind::Button || d.kind == ControlKind::Speaker ||
        d.kind == ControlKind::TextBox)
        e.set("disabled", !c.enabled);
    if (d.kind == ControlKind::TextBox) {
        // With the on-screen pad up, the system's own keyboard stays away.
        const bool pad = stage[Ctl::Tasto0].visible;
        e.call<void>("setAttribute", std::string("inputmode"),
                     std::string(pad ? "none" : "numeric"));
    }
    setVisible(e, c.visible);
}

void PageForm1::applicaFigure() {
    const Stage& stage = logic_.stage();
    const double tpp = screen_.twipsPerPixel();
    for (std::size_t f = 0; f < 3; ++f) {
        const ScalableGeometry& frame = stage[kSegmentFrames[f]].geometry;
        std::string html;
        const auto& seg = stage.segmenti[f].pieces;
        for (std::size_t i = 0; i < seg.size(); ++i)
            appendPiece(html, frame, seg[i], segmentPieceLook(static_cast<int>(i)), tpp);
        elements_[static_cast<std::size_t>(index(kSegmentFrames[f]))].set("innerHTML", html);
    }
    for (std::size_t f = 0; f < 3; ++f) {
        const ScalableGeometry& frame = stage[kRectangleFrames[f]].geometry;
        const RectangleFigure& fig = stage.rettangoli[f];
        std::string html;
        auto side = [&](const std::array<PieceGeometry, 8>& arr, RectangleSide which) {
            for (std::size_t i = 0; i < arr.size(); ++i)
                appendPiece(html, frame, arr[i], rectanglePieceLook(which, static_cast<int>(i)),
                            tpp);
        };
        side(fig.altezza1, RectangleSide::Altezza1);
        side(fig.altezza2, RectangleSide::Altezza2);
        side(fig.base1, RectangleSide::Base1);
        side(fig.base2, RectangleSide::Base2);
        elements_[static_cast<std::size_t>(index(kRectangleFrames[f]))].set("innerHTML", html);
    }
}

void PageForm1::mostraClassifica(std::optional<double> topTwips) {
    root_.set("inert", true);
    classifica_.apri(
        topTwips, screen_.widthPixels(), screen_.heightPixels(),
        [this](const ClassificaView& view) { logic_.classificaCaricata(letturaClassifica(view)); },
        [this] { pump(); });
    root_.set("inert", false);
    applicaFuoco();
}

void PageForm1::termina() {
    // A page cannot close its own tab: the exercise ends and says so.
    closed_ = true;
    if (speech_)
        speech_->stop();
    val::global("frazioni").call<void>("chiudi");
}
