// The least a QtWebKit window does: one shown web view with a small styled page, and the
// event loop. Kavo's idle cost with its window open is measured beside it.
#include <QApplication>
#include <QWebView>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWebView view;
    view.resize(520, 500);
    view.setHtml(QStringLiteral(
        "<!DOCTYPE html><html><head><style>"
        "body{font-family:sans-serif;background:#1d2733;color:#e8eef3;margin:24px}"
        ".card{background:#273544;border-radius:8px;padding:16px;margin-bottom:12px}"
        "</style></head><body>"
        "<div class='card'><h2>Bare web view</h2><p>Nothing runs on this page.</p></div>"
        "<div class='card'><input type='range' min='1200' max='6500' value='3400'></div>"
        "</body></html>"));
    view.show();
    return application.exec();
}
