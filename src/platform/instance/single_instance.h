// One running tool per user: the first start listens on a local socket named after the main
// window's caption; a later start finds it there, asks it to come to the front, and ends.
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace krvm {

class SingleInstance : public QObject {
    Q_OBJECT

  public:
    // `key` identifies the program (the main window's caption); it is made unique per user.
    explicit SingleInstance(const QString& key, QObject* parent = nullptr);

    // True when another instance is running; it has then been asked to show itself.
    bool signalRunningInstance();

    // Starts listening, so that later starts find this instance. False if that failed.
    bool listen();

  signals:
    // A later start asked this instance to restore and raise its window.
    void activationRequested();

  private:
    QString m_serverName;
    QLocalServer m_server;
};

}  // namespace krvm
