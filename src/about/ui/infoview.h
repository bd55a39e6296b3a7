// The About box: modal, centred on the screen, rebuilt at every opening.
#pragma once

#include "about/info.h"

#include <QDialog>

namespace lex::ui {

class InfoView : public QDialog {
public:
    explicit InfoView(QWidget* genitore);
    InfoModel m;
    QWidget* command3() const { return command3_; }
    QWidget* command1() const { return command1_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QWidget* command3_;
    Elemento figuraBottone_, didascalia_; // the pieces drawn on Command3
    QWidget* command1_;
};

// Opens the box centred on the screen and waits until it is closed.
void mostraInfo(QWidget* genitore);

} // namespace lex::ui
