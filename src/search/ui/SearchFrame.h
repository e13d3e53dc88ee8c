#pragma once

#include "search/IndexReader.h"
#include "search/Search.h"

#include <QFrame>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QTreeWidget;

namespace orv {
class AppContext;
}

namespace orv::search {

// frmPesquisaGeral: one box that searches everything the user may see, laid
// over the panels. The results come a short pause after the last key, grouped
// by kind; Enter or a double-click on one asks for it to be opened where it
// lives, and Escape closes the search.
class SearchFrame : public QFrame {
    Q_OBJECT
public:
    SearchFrame(AppContext& ctx, QWidget* parent = nullptr);

    // Shows the frame with the box ready for typing at once, and starts
    // reading what may be found (the data as it is now) in the background;
    // what is typed meanwhile is searched as soon as the reading is done.
    void open();
    void close();
    // Searches now for what the box holds (the pause ran out).
    void search();
    // What may be found has been read since the frame opened.
    bool indexRead() const { return indexRead_; }

    QLineEdit* txtPesquisaGeral = nullptr;
    QTreeWidget* lstPesquisaGeral = nullptr;
    QLabel* lblPesquisaGeral = nullptr;
    QPushButton* cmdPesquisaFechar = nullptr;
    QTimer* tmrPesquisa = nullptr; // the pause after a key

Q_SIGNALS:
    void openWanted(const orv::search::Hit& hit);
    void closed();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showHits();
    void activate(int index);
    void reset();
    void indexArrived(const SearchIndex& index);

    AppContext& ctx_;
    IndexReader reader_;
    SearchIndex index_;
    bool indexRead_ = false;
    QVector<Hit> hits_;
};

} // namespace orv::search
