#pragma once
// One running copy per user: the first copy holds a lock file and listens on a local socket; a later
// copy finds the lock taken, asks the first one to raise its window and ends.
#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <memory>

namespace tarn::gui {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // `key` names the lock and the socket (the program's name, per user).
    explicit SingleInstance(const QString& key, QObject* parent = nullptr);

    // True when this is the first copy: it then listens for later copies. False when another copy
    // runs; that copy has been asked to raise its window.
    bool Claim();

signals:
    // A later copy asked this one to come to the front.
    void RaiseRequested();

private:
    QString key_;
    QLockFile lock_;
    std::unique_ptr<QLocalServer> server_;
};

}  // namespace tarn::gui
