#include "ui/features/rig/Rig.h"

#include <hamlib/rig.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <mutex>

#include "ui/support/CoreText.h"

namespace kerolt {

namespace {

// How long one call may wait for the rig, and no second try: the next poll is the retry.
constexpr const char* CallTimeoutMs = "500";
// How long a window going away waits for the rig's thread; an idle thread ends at once.
constexpr int StopWaitMs = 100;
// How long the program's exit waits for threads still inside Hamlib: an open of a rig that
// never answers takes two calls' timeouts.
constexpr int ExitWaitMs = 3000;

// Threads of rigs that went away while Hamlib still held them. Each deletes itself once Hamlib
// returns; whatever is left when the application ends is waited for then, after its windows
// are gone, so that no thread runs on into the program's exit.
std::vector<QPointer<QThread>>& Leftovers() {
    static std::vector<QPointer<QThread>> threads;
    return threads;
}

void WaitForLeftovers() {
    for (const QPointer<QThread>& thread : Leftovers()) {
        // One still in a call beyond its timeout (a connect that hangs) is left to the end of
        // the process: deleting a running thread would abort it.
        if (thread && thread->wait(ExitWaitMs))
            delete thread;
    }
    Leftovers().clear();
}

void KeepUntilExit(QThread* thread) {
    static std::once_flag once;
    std::call_once(once, [] { qAddPostRoutine(WaitForLeftovers); });
    std::erase_if(Leftovers(), [](const QPointer<QThread>& kept) { return kept.isNull(); });
    Leftovers().emplace_back(thread);
}

// The thread of a rig that went away asks the worker to make no further call.
bool Stopping() {
    return QThread::currentThread()->isInterruptionRequested();
}

// Before the worker's thread starts: the backends register themselves, and Hamlib stays
// quiet on the terminal.
void PrepareHamlib() {
    static std::once_flag once;
    std::call_once(once, [] {
        rig_set_debug(RIG_DEBUG_NONE);
        rig_load_all_backends();
    });
}

void SetConf(RIG* rig, const char* name, const QByteArray& value) {
    rig_set_conf(rig, rig_token_lookup(rig, name), value.constData());
}

int AddModel(const rig_caps* caps, rig_ptr_t data) {
    auto* models = static_cast<std::vector<RigModel>*>(data);
    models->push_back({static_cast<int>(caps->rig_model),
                       QStringLiteral("%1 %2").arg(QLatin1String(caps->mfg_name),
                                                   QLatin1String(caps->model_name))});
    return 1;  // go on
}

}  // namespace

std::vector<RigModel> RigModels() {
    PrepareHamlib();
    std::vector<RigModel> models;
    rig_list_foreach(AddModel, &models);
    std::sort(models.begin(), models.end(),
              [](const RigModel& a, const RigModel& b) { return a.Name < b.Name; });
    return models;
}

// Runs in the rig's thread; every Hamlib call of the program happens here.
class RigWorker : public QObject {
    Q_OBJECT
  public:
    RigWorker() : timer_(new QTimer(this)) {
        connect(timer_, &QTimer::timeout, this, &RigWorker::Poll);
    }
    ~RigWorker() override { Close(); }

    void Start(int generation, const RigSettings& settings, int intervalMs) {
        Close();
        generation_ = generation;
        settings_ = settings;
        timer_->stop();
        if (!settings.On())
            return;
        timer_->start(intervalMs);
        Poll();
    }

  signals:
    void Read(int generation, double hz, const QString& mode);
    void Lost(int generation);

  private:
    void Poll() {
        if (!rig_ && !Open()) {
            emit Lost(generation_);
            return;
        }
        if (Stopping())
            return;
        freq_t hz = 0;
        if (rig_get_freq(rig_, RIG_VFO_CURR, &hz) != RIG_OK) {
            // Gone or switched off: start afresh at the next poll.
            Close();
            emit Lost(generation_);
            return;
        }
        if (Stopping())
            return;
        rmode_t mode = RIG_MODE_NONE;
        pbwidth_t width = 0;
        QString modeName;
        if (rig_get_mode(rig_, RIG_VFO_CURR, &mode, &width) == RIG_OK)
            modeName = QLatin1String(rig_strrmode(mode));
        emit Read(generation_, hz, modeName);
    }

    bool Open() {
        rig_ = rig_init(static_cast<rig_model_t>(settings_.Model));
        if (!rig_)
            return false;
        if (!settings_.Port.isEmpty())
            SetConf(rig_, "rig_pathname", settings_.Port.toLocal8Bit());
        if (settings_.Speed > 0)
            SetConf(rig_, "serial_speed", QByteArray::number(settings_.Speed));
        SetConf(rig_, "timeout", CallTimeoutMs);
        SetConf(rig_, "retry", "0");
        if (rig_open(rig_) != RIG_OK) {
            rig_cleanup(rig_);
            rig_ = nullptr;
            return false;
        }
        return true;
    }

    void Close() {
        if (!rig_)
            return;
        rig_close(rig_);
        rig_cleanup(rig_);
        rig_ = nullptr;
    }

    QTimer* timer_;
    RIG* rig_ = nullptr;
    int generation_ = 0;
    RigSettings settings_;
};

Rig::Rig(QObject* parent) : QObject(parent) {}

Rig::~Rig() {
    if (!thread_)
        return;
    // The worker is never touched from here: it may be deleting itself in its thread. Its
    // signals to this object go with this object.
    thread_->requestInterruption();
    thread_->quit();
    if (thread_->wait(StopWaitMs)) {
        delete thread_;
        return;
    }
    // Still inside Hamlib: the thread ends, deletes the worker and then itself on its own.
    KeepUntilExit(thread_);
}

void Rig::Start(const RigSettings& settings) {
    on_ = settings.On();
    const int generation = ++generation_;
    reading_.reset();
    follower_.Forget();
    // The thread starts with the first rig; a window without one has none.
    if (on_ && !thread_) {
        PrepareHamlib();
        thread_ = new QThread;
        worker_ = new RigWorker;
        worker_->moveToThread(thread_);
        connect(thread_, &QThread::finished, worker_, &QObject::deleteLater);
        connect(thread_, &QThread::finished, thread_, &QObject::deleteLater);
        connect(worker_, &RigWorker::Read, this, &Rig::Arrived);
        connect(worker_, &RigWorker::Lost, this, &Rig::Lost);
        thread_->setObjectName(QStringLiteral("rig"));
        thread_->start();
    }
    if (thread_) {
        const int interval = intervalMs_;
        QMetaObject::invokeMethod(worker_, [worker = worker_, generation, settings, interval] {
            worker->Start(generation, settings, interval);
        });
    }
    emit Changed(NoBand);
}

void Rig::SetPollInterval(int milliseconds) {
    intervalMs_ = milliseconds;
}

std::optional<long> Rig::Khz() const {
    if (!reading_)
        return std::nullopt;
    return KhzFromHz(reading_->Hz);
}

void Rig::Arrived(int generation, double hz, const QString& mode) {
    if (generation != generation_ || !on_)
        return;
    reading_ = RigReading{hz, ToCore(mode)};
    emit Changed(follower_.Follow(KhzFromHz(hz)).value_or(NoBand));
}

void Rig::Lost(int generation) {
    if (generation != generation_ || !on_)
        return;
    reading_.reset();
    follower_.Forget();
    emit Changed(NoBand);
}

}  // namespace kerolt

#include "Rig.moc"
