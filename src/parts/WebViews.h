#pragma once

class IWebView;
class QWidget;

// The views of Kavo's windows, made by the web part, which the first view loads.
namespace WebViews {

// A new view, child of `parent`. Without the web part, a view that says in its place that the
// window cannot be shown, and why.
IWebView* create(QWidget* parent);

// Whether the web part is loaded (or loads now).
bool available();

} // namespace WebViews
