#include "gui/forms/common/TabOrder.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLayout>
#include <QRect>
#include <QTabBar>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace morvelan {

namespace {

// A control that owns focusable parts of its own (the line edit of a spin box or of an editable
// list, the viewport of a table): its parts follow it, they are not stops of the form.
bool insideACompositeControl(const QWidget* widget, const QWidget* form) {
    for (const QWidget* up = widget->parentWidget(); up != nullptr && up != form;
         up = up->parentWidget()) {
        if (qobject_cast<const QAbstractSpinBox*>(up) || qobject_cast<const QComboBox*>(up) ||
            qobject_cast<const QAbstractItemView*>(up) || qobject_cast<const QTabBar*>(up))
            return true;
    }
    return false;
}

// A control Tab stops at itself, rather than one that hands its focus on.
bool takesTabFocus(const QWidget* widget) {
    return (widget->focusPolicy() & Qt::TabFocus) != 0 && widget->focusProxy() == nullptr;
}

struct Stop {
    QWidget* widget;
    QRect place;
};

} // namespace

void orderTabStopsByPosition(QWidget* form) {
    if (auto* layout = form->layout())
        layout->activate();
    std::vector<Stop> stops;
    for (auto* widget : form->findChildren<QWidget*>()) {
        if (!takesTabFocus(widget) || insideACompositeControl(widget, form))
            continue;
        stops.push_back({widget, QRect(widget->mapTo(form, QPoint(0, 0)), widget->size())});
    }
    std::stable_sort(stops.begin(), stops.end(),
                     [](const Stop& a, const Stop& b) { return a.place.top() < b.place.top(); });
    // A row is every control whose middle lies within the height of the row's first control, so
    // a check box beside a taller field stays in that field's row.
    for (auto row = stops.begin(); row != stops.end();) {
        const QRect first = row->place;
        auto end = std::find_if(row, stops.end(), [&](const Stop& stop) {
            return stop.place.center().y() > first.bottom();
        });
        if (end == row)
            ++end;
        std::stable_sort(
            row, end, [](const Stop& a, const Stop& b) { return a.place.left() < b.place.left(); });
        row = end;
    }
    for (std::size_t i = 1; i < stops.size(); ++i)
        QWidget::setTabOrder(stops[i - 1].widget, stops[i].widget);
}

void focusFirstControl(QWidget* form) {
    // The form's stops follow it in the window's focus chain, in their tab order.
    for (QWidget* widget = form->nextInFocusChain(); widget != form && form->isAncestorOf(widget);
         widget = widget->nextInFocusChain()) {
        if (takesTabFocus(widget) && widget->isVisibleTo(form) && widget->isEnabled()) {
            widget->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    form->setFocus();
}

} // namespace morvelan
