// Builds the Qt widget of one template control; private to the library.
#pragma once

#include <QWidget>

#include "wdialog_template.h"

// The widget for `control`, a child of `window`, placed and styled as the template says.
QWidget* BuildTemplateControl(const WTemplateControl& control, QWidget* window);

// The kind a template control was built as; used to check an attach.
WControlKind TemplateControlKind(const QWidget* widget);
