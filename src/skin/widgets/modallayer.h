// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// A modal layer drawn inside a window: it covers the whole window, above all
// its controls, and holds one piece of content (a results window, say) at the
// content's own place. Clicks, taps and the wheel on the window stop at the
// layer, and Tab keeps the keyboard on the content, so nothing beneath can be
// reached until the content closes. Being part of the window, it shows above
// the window and takes its keyboard on every window system and compositor,
// which a second top-level window does not always do.
class ModalLayer final : public QWidget {
    Q_OBJECT
  public:
    explicit ModalLayer(QWidget* window);

    // Shows the layer with `content` (a child of it) holding the keyboard and
    // returns when the content has been destroyed: a local event loop runs
    // meanwhile, as for a modal dialog, so the window keeps painting and its
    // timers keep ticking.
    void exec(QWidget* content);

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;
};
