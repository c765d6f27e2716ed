#pragma once
// "Schema speichern": asks for the name a colour scheme is saved under and
// refuses an empty name or one with a character file names cannot hold.

#include <QDialog>
#include <string>

class QLineEdit;
class QPushButton;

namespace qor {

class TSchemaDlg : public QDialog {
    Q_OBJECT

public:
    // name is program text; it is shown selected.
    explicit TSchemaDlg(const std::string& name, QWidget* parent = nullptr);

    // The entered name, as program text.
    std::string name() const;

    QLineEdit* SchemaName = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnAbbrechen = nullptr;

public slots:
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace qor
