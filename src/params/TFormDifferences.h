#pragma once

#include "params/SettingsDiff.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

// Lists every setting in which the PC's parameters and the module's differ,
// one line each: "3. Zóna – Zóna neve: »Konyha« → »Nappali«".
class TFormDifferences : public QDialog
{
    Q_OBJECT
public:
    explicit TFormDifferences(QWidget* parent = nullptr);

    // `sides` names the two images in the heading, before and after.
    void showDifferences(const QList<params::SettingDifference>& differences,
                         const QString& sides = QStringLiteral("a gépen → a modulban"));

    QLabel* lbHeading = nullptr;
    QListWidget* lbxDifferences = nullptr;
    QPushButton* btClose = nullptr;
};
