#pragma once

#include "parts/IWebView.h"

#include <QLabel>

// What a window shows in place of its page when the web part cannot be loaded: a line saying
// that the window cannot be shown, and why. It runs no statement and loads nothing.
class MissingWebView : public QLabel, public IWebView
{
    Q_OBJECT

public:
    MissingWebView(const QString& reason, QWidget* parent);

    QWidget* widget() override { return this; }
    bool shows_pages() const override { return false; }
    void load(const QUrl& url) override;
    QVariant run(const QString& statement) override;
    void expose(const QString&, QObject*) override {}
    void on_load_finished(QObject*, std::function<void(bool)>) override {}
    void set_transparent_page() override {}
    void open_inspector() override {}

    // The line shown for `reason`.
    static QString text_for(const QString& reason);
};
