#include "ui/Prompter.h"

#include "ProgramVersion.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QSet>

namespace {

QWidget* dialogParent()
{
    return QApplication::activeWindow();
}

// The real dialogs. A box is not opened again while the same one is still
// open: a timer or a click that reaches its opener from inside the box's own
// loop gets the answer of a box closed at once (no question answered Yes, no
// file chosen), and the box on the screen stays the only one.
class DialogPrompter final : public Prompter
{
public:
    void message(const QString& text) override
    {
        once(u'm' + text, false, [&] {
            QMessageBox::information(dialogParent(), kApplicationTitle, text);
            return false;
        });
    }

    void error(const QString& text) override
    {
        once(u'e' + text, false, [&] {
            QMessageBox::critical(dialogParent(), kApplicationTitle, text);
            return false;
        });
    }

    bool confirm(const QString& question) override
    {
        return once(u'q' + question, false, [&] {
            return QMessageBox::question(dialogParent(), kApplicationTitle, question,
                                         QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
                == QMessageBox::Yes;
        });
    }

    QString openFileName(const QString& filter, const QString& defaultSuffix,
                         const QString& initialName) override
    {
        return once(kFileDialog, QString(),
                    [&] { return run(QFileDialog::AcceptOpen, filter, defaultSuffix, initialName); });
    }

    QString saveFileName(const QString& filter, const QString& defaultSuffix,
                         const QString& initialName) override
    {
        return once(kFileDialog, QString(),
                    [&] { return run(QFileDialog::AcceptSave, filter, defaultSuffix, initialName); });
    }

    bool choosePrinter(QPrinter& printer) override
    {
        return once(QStringLiteral("p"), false, [&] {
            QPrintDialog dialog(&printer, dialogParent());
            return dialog.exec() == QDialog::Accepted;
        });
    }

private:
    // One file dialog at a time, whichever kind.
    static inline const QString kFileDialog = QStringLiteral("f");

    // Runs `show` unless the box named `key` is open already; `dismissed`
    // is the answer then.
    template <typename Answer, typename Show>
    Answer once(const QString& key, Answer dismissed, Show show)
    {
        if (m_open.contains(key))
            return dismissed;
        m_open.insert(key);
        Answer answer = show();
        m_open.remove(key);
        return answer;
    }

    static QString run(QFileDialog::AcceptMode mode, const QString& filter, const QString& defaultSuffix,
                       const QString& initialName)
    {
        QFileDialog dialog(dialogParent(), QString(), QString(), filter);
        dialog.setAcceptMode(mode);
        dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                           : QFileDialog::AnyFile);
        dialog.setDefaultSuffix(defaultSuffix);
        dialog.selectFile(initialName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().constFirst();
    }

    QSet<QString> m_open;
};

DialogPrompter g_dialogs;
Prompter* g_current = &g_dialogs;

} // namespace

Prompter& prompter()
{
    return *g_current;
}

void setPrompter(Prompter* replacement)
{
    g_current = replacement ? replacement : &g_dialogs;
}
