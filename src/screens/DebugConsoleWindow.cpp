#include "screens/DebugConsoleWindow.h"

#include "KavoLogBuffer.h"

#include <QClipboard>
#include <QEvent>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

const char* const DebugConsoleWindow::kTitle = "Kavo debug console";

DebugConsoleWindow::DebugConsoleWindow()
{
    setAttribute(Qt::WA_DeleteOnClose);
    // Kavo lives in the tray: the last window closing must not end it.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QLatin1String(kTitle));
    setWindowIcon(QIcon(QStringLiteral(":/images/kavo_green.png")));
    resize(800, 500);

    m_log = new QPlainTextEdit(this);
    m_log->setReadOnly(true);
    m_log->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_log->setMaximumBlockCount(KavoLogBuffer::kCapacity);
    m_log->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_log->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    m_copy = new QPushButton(tr("Copy all"), this);
    connect(m_copy, &QPushButton::clicked, this, &DebugConsoleWindow::copy_all);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_copy);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_log);
    layout->addLayout(buttons);

    KavoLogBuffer& buffer = KavoLogBuffer::instance();
    // Connected before the earlier lines are copied, so that no line falls between the two.
    connect(&buffer, &KavoLogBuffer::line_logged, this, &DebugConsoleWindow::add_line,
            Qt::QueuedConnection);
    for (const QString& line : buffer.lines())
        m_log->appendPlainText(line);
}

void DebugConsoleWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        m_copy->setText(tr("Copy all"));
    QWidget::changeEvent(event);
}

QStringList DebugConsoleWindow::lines() const
{
    QStringList lines = m_log->toPlainText().split(QLatin1Char('\n'));
    if (lines == QStringList{QString()})
        lines.clear();
    return lines;
}

void DebugConsoleWindow::add_line(const QString& line)
{
    QScrollBar* bar = m_log->verticalScrollBar();
    const bool following = bar->value() == bar->maximum();
    m_log->appendPlainText(line);
    if (following)
        bar->setValue(bar->maximum());
}

void DebugConsoleWindow::copy_all()
{
    QGuiApplication::clipboard()->setText(m_log->toPlainText());
}
