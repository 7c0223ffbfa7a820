// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/pageelements.h"

#include <cstdio>

using emscripten::val;

namespace {

constexpr double kTwipsPerPoint = 20;

val document() {
    return val::global("document");
}

const char* alignment(Align a) {
    switch (a) {
    case Align::Center:
        return "center";
    case Align::Right:
        return "right";
    case Align::Left:
        break;
    }
    return "left";
}

// The loudspeaker and its sound waves, drawn in a 10 x 10 box as the desktop
// draws them.
std::string speakerDrawing(Rgb ink) {
    const std::string c = cssColour(ink);
    return "<svg viewBox='0 0 10 10' aria-hidden='true' focusable='false'>"
           "<path d='M0.5 3.5H2.5L5.5 0.8V9.2L2.5 6.5H0.5Z' fill='" +
           c +
           "'/><path d='M7.16 3.62A1.8 1.8 0 0 1 7.16 6.38M8.33 1.97A3.2 3.7 0 0 1 8.33 8.03' "
           "fill='none' stroke='" +
           c + "' stroke-width='0.8' stroke-linecap='round'/></svg>";
}

} // namespace

std::string cssColour(Rgb colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.r, colour.g, colour.b);
    return text;
}

void setStyle(val& element, const char* property, const std::string& value) {
    element["style"].set(property, value);
}

void setLabel(val& element, const std::string& name) {
    element.call<void>("setAttribute", std::string("aria-label"), name);
}

val createElement(const ControlDesign<int>& d, std::string_view id, bool clickable, val parent) {
    val e = val::null();
    std::string cls = "c";
    switch (d.kind) {
    case ControlKind::Label:
        e = document().call<val>("createElement", std::string("div"));
        cls += " label";
        break;
    case ControlKind::TextBox:
        e = document().call<val>("createElement", std::string("input"));
        e.set("type", std::string("text"));
        e.call<void>("setAttribute", std::string("inputmode"), std::string("numeric"));
        e.call<void>("setAttribute", std::string("autocomplete"), std::string("off"));
        e.call<void>("setAttribute", std::string("spellcheck"), std::string("false"));
        e.call<void>("setAttribute", std::string("enterkeyhint"), std::string("done"));
        cls += " box";
        break;
    case ControlKind::Button:
    case ControlKind::Speaker:
        e = document().call<val>("createElement", std::string("button"));
        e.set("type", std::string("button"));
        cls += " button";
        break;
    case ControlKind::Frame:
        e = document().call<val>("createElement", std::string("div"));
        cls += d.border > 0 ? " panel" : " figure";
        break;
    case ControlKind::Border:
        e = document().call<val>("createElement", std::string("div"));
        cls += " border";
        break;
    case ControlKind::Picture:
        e = document().call<val>("createElement", std::string("img"));
        e.set("alt", std::string());
        e.set("draggable", false);
        e.set("src", val::global("frazioni").call<val>("immagine", std::string(d.text)));
        break;
    }
    e.set("id", std::string(id));
    e.set("className", cls);
    // A decoration is no control: a screen reader passes it by.
    if (isDecoration(d.kind))
        e.call<void>("setAttribute", std::string("aria-hidden"), std::string("true"));
    if (clickable && d.kind != ControlKind::Button && d.kind != ControlKind::Speaker) {
        e.call<void>("setAttribute", std::string("role"), std::string("button"));
        e.set("tabIndex", 0);
    }
    if (d.kind == ControlKind::Speaker)
        e.set("innerHTML", speakerDrawing(d.fore.value_or(colour::kBlack)));
    if (d.kind == ControlKind::Frame && d.border > 0) {
        // A raised edge drawn inside the panel, so that its children are
        // placed from its outer corner, as on the desktop.
        const std::string n = std::to_string(d.border) + "px";
        setStyle(e, "boxShadow",
                 "inset " + n + " " + n + " 0 #ffffff, inset -" + n + " -" + n +
                     " 0 rgba(0,0,0,0.5)");
    }
    if (d.kind == ControlKind::Border) {
        setStyle(e, "borderWidth", std::to_string(d.border) + "px");
        setStyle(e, "borderColor", cssColour(d.fore.value_or(colour::kBlack)));
    }
    // Labels paint their back colour only when opaque; frames and buttons always.
    if (d.back && (d.kind != ControlKind::Label || d.opaque))
        setStyle(e, "backgroundColor", cssColour(*d.back));
    if (d.fore && d.kind != ControlKind::Border)
        setStyle(e, "color", cssColour(*d.fore));
    setStyle(e, "textAlign", alignment(d.align));
    if (d.kind == ControlKind::Label || d.kind == ControlKind::Button ||
        d.kind == ControlKind::TextBox)
        setText(e, d.kind, std::string(d.text));
    setVisible(e, d.visible);
    parent.call<void>("appendChild", e);
    return e;
}

void place(val& element, const PixelRect& r) {
    setStyle(element, "left", std::to_string(r.x) + "px");
    setStyle(element, "top", std::to_string(r.y) + "px");
    setStyle(element, "width", std::to_string(r.width < 0 ? 0 : r.width) + "px");
    setStyle(element, "height", std::to_string(r.height < 0 ? 0 : r.height) + "px");
}

void setFont(val& element, const FontDesign& font, double points, double twipsPerPixel) {
    // The faces of the designs are both drawn with Liberation Sans, inside the page.
    char size[32];
    std::snprintf(size, sizeof size, "%.3fpx", points * kTwipsPerPoint / twipsPerPixel);
    setStyle(element, "fontSize", size);
    setStyle(element, "fontWeight", font.bold ? "700" : "400");
}

void setText(val& element, ControlKind kind, const std::string& text) {
    if (kind == ControlKind::TextBox) {
        // Only a change: writing the same text would move the caret.
        if (element["value"].as<std::string>() != text)
            element.set("value", text);
    } else if (element["textContent"].as<std::string>() != text) {
        element.set("textContent", text);
    }
}

void setVisible(val& element, bool visible) {
    element.set("hidden", !visible);
}
