// The four lists of vehicles whose inspection, service, insurance or road tax is due within a week or past.
#pragma once

#include "common/ListWindow.h"

#include <memory>

namespace Ui {
class frmScadenze;
}

namespace fleet {

// What sets one deadline list apart from the others.
struct DeadlineKind {
    const char* instanceName;
    const char* caption;
    int dueField;
    const char* explanation;
    const char* printTitle;
};

class DeadlineList : public common::ListWindow {
    Q_OBJECT
public:
    DeadlineList(const DeadlineKind& kind, QWidget* parent);
    ~DeadlineList() override;

protected:
    void FormShow() override;
    QString printTitle() const override;
    bool hasLoadFromList() const override { return false; }

private:
    std::unique_ptr<Ui::frmScadenze> ui;
    const DeadlineKind& kind_;
};

} // namespace fleet

class TfrmScadRevisione : public fleet::DeadlineList {
    Q_OBJECT
public:
    explicit TfrmScadRevisione(QWidget* parent = nullptr);
};

class TfrmScadTagliando : public fleet::DeadlineList {
    Q_OBJECT
public:
    explicit TfrmScadTagliando(QWidget* parent = nullptr);
};

class TfrmScadAssicurazione : public fleet::DeadlineList {
    Q_OBJECT
public:
    explicit TfrmScadAssicurazione(QWidget* parent = nullptr);
};

class TfrmScadBollo : public fleet::DeadlineList {
    Q_OBJECT
public:
    explicit TfrmScadBollo(QWidget* parent = nullptr);
};
