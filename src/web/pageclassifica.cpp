// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/pageclassifica.h"

#include "core/accessibility/accessiblenames.h"
#include "core/platform/clock.h"
#include "core/screen/twips.h"
#include "web/pageelements.h"
#include "web/webplatform.h"

#include <algorithm>
#include <cstdio>
#include <string>

using emscripten::val;

namespace {
// How often the layer looks for PROSEGUI and the blink's time.
constexpr int kSliceMs = 40;
constexpr const char* kPrefix = "Classifica-";
} // namespace

PageClassifica::PageClassifica(Modulo1& modulo, const Clock& clock, double twipsPerPixel)
    : modulo_(modulo), clock_(clock), tpp_(twipsPerPixel),
      layer_(val::global("document").call<val>("getElementById", std::string("Classifica"))) {}

void PageClassifica::creaControlli() {
    layer_.set("innerHTML", std::string());
    elements_.clear();
    pallini_.clear();
    setStyle(layer_, "width", std::to_string(twipsToPixels(classifica::kWidth, tpp_)) + "px");
    setStyle(layer_, "height", std::to_string(twipsToPixels(classifica::kHeight, tpp_)) + "px");
    setStyle(layer_, "backgroundColor", cssColour(classifica::kBack));
    const int layerWidth = twipsToPixels(classifica::kWidth, tpp_);
    for (const classifica::ClassificaControlDesign& d : classifica::controls()) {
        val e = createElement(plain(d), std::string(kPrefix) + std::string(d.name),
                              d.id == Ctl::Command1, layer_);
        const PixelRect r = toPixels(0, 0, d.left, d.top, d.width, d.height, tpp_);
        if (d.kind == ControlKind::Border) {
            // The line is centred on the shape's edge, as the desktop draws it.
            const int outside = d.border / 2;
            place(e, {r.x - outside, r.y - outside, r.width + d.border, r.height + d.border});
        } else if (d.autoSize && d.align == Align::Right) {
            // Keeps its right edge and grows to the left.
            setStyle(e, "right", std::to_string(layerWidth - (r.x + r.width)) + "px");
            setStyle(e, "top", std::to_string(r.y) + "px");
        } else if (d.autoSize) {
            setStyle(e, "left", std::to_string(r.x) + "px");
            setStyle(e, "top", std::to_string(r.y) + "px");
        } else {
            place(e, r);
        }
        if (d.kind != ControlKind::Border && d.kind != ControlKind::Picture)
            setFont(e, d.font, d.font.size, tpp_);
        elements_.push_back(e);
    }
    const auto& rows = classifica::circleRows();
    for (std::size_t row = 0; row < rows.size(); ++row) {
        pallini_.emplace_back();
        for (int k = 1; k <= classifica::kCircles; ++k) {
            val circle = val::global("document").call<val>("createElement", std::string("div"));
            circle.set("id",
                       std::string(kPrefix) + std::string(rows[row].name) + std::to_string(k));
            circle.set("className", std::string("c dot"));
            setStyle(circle, "backgroundColor", cssColour(rows[row].colour));
            place(circle,
                  toPixels(0, 0,
                           classifica::kCircleLeft +
                               classifica::kCircleStep * static_cast<float>(k - 1),
                           rows[row].top, classifica::kCircleSize, classifica::kCircleSize, tpp_));
            layer_.call<void>("appendChild", circle);
            pallini_.back().push_back(circle);
        }
    }
}

void PageClassifica::Form_Load() {
    view_ = caricaClassifica(modulo_, clock_.seconds());
    setVisible(control(Ctl::Image1), view_.imageVisible);
    for (std::size_t r = 0; r < pallini_.size(); ++r)
        for (std::size_t k = 0; k < pallini_[r].size(); ++k) {
            setVisible(pallini_[r][k], static_cast<int>(k) < view_.dots[r]);
            setLabel(pallini_[r][k], accessibleDotName(r, static_cast<int>(k) + 1));
        }
    if (view_.risultatoBack)
        setStyle(control(Ctl::RISULTATO), "backgroundColor", cssColour(*view_.risultatoBack));
    setText(control(Ctl::RISULTATO), ControlKind::Label, view_.risultato);
    setText(control(Ctl::LbNuovoRecord), ControlKind::Label, view_.nuovoRecord);
    setText(control(Ctl::LbTrecord), ControlKind::Label, view_.trecord);
    setVisible(control(Ctl::LbTrecord), view_.trecordVisible);
    for (const classifica::ClassificaControlDesign& d : classifica::controls())
        setLabel(control(d.id), accessibleName(d.id, view_));
}

void PageClassifica::Timer1_Timer() {
    risultatoVisible_ = !risultatoVisible_;
    setVisible(control(Ctl::RISULTATO), risultatoVisible_);
}

void PageClassifica::apri(std::optional<double> topTwips, int viewportWidth, int viewportHeight,
                          const std::function<void(const ClassificaView&)>& caricata,
                          const std::function<void()>& meanwhile) {
    creaControlli();
    risultatoVisible_ = true;
    Form_Load();
    topTwips_ = topTwips;
    collocaDiNuovo(viewportWidth, viewportHeight);
    if (caricata)
        caricata(view_);
    open_ = true;
    prosegui_ = false;
    setVisible(layer_, true);
    val options = val::object();
    options.set("preventScroll", true);
    control(Ctl::Command1).call<void>("focus", options);

    // The blink is timed by the clock: a layer in a background tab, whose
    // timers the browser slows down, blinks on time when it comes back.
    const double interval = std::max(1, view_.blinkIntervalMs) / 1000.0;
    double next = clock_.seconds() + interval;
    while (!prosegui_) {
        yieldToBrowser(kSliceMs);
        if (meanwhile)
            meanwhile();
        const double now = clock_.seconds();
        if (now >= next) {
            Timer1_Timer();
            next = std::max(next + interval, now);
        }
    }
    open_ = false;
    setVisible(layer_, false);
    layer_.set("innerHTML", std::string());
    elements_.clear();
    pallini_.clear();
}

void PageClassifica::prosegui() {
    if (open_)
        prosegui_ = true;
}

void PageClassifica::collocaDiNuovo(int viewportWidth, int viewportHeight) {
    const double width = twipsToPixels(classifica::kWidth, tpp_);
    const double height = twipsToPixels(classifica::kHeight, tpp_);
    // The design's size, or smaller where the viewport is smaller, so that
    // PROSEGUI is always within reach.
    const double scale =
        std::clamp(std::min(viewportWidth / width, viewportHeight / height), 0.01, 1.0);
    double top = topTwips_ ? twipsToPixels(*topTwips_, tpp_) : 0;
    top = std::max(0.0, std::min(top, viewportHeight - height * scale));
    char transform[64];
    std::snprintf(transform, sizeof transform, "scale(%.4f)", scale);
    setStyle(layer_, "transform", transform);
    setStyle(layer_, "top", std::to_string(static_cast<int>(top)) + "px");
}
