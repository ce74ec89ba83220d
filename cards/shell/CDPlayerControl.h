// The music player: plays the CD's music tracks one after another over the CD drive's text commands.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <string>

class VirtualCdDrive;
enum class CdNotify;

class CDPlayerControl : public QObject {
    Q_OBJECT

public:
    // How often the drive is asked to move on and report a play that ended.
    static constexpr int kUpdateIntervalMs = 250;

    // drive may be null (no audio output): the player then stays closed.
    explicit CDPlayerControl(VirtualCdDrive* drive, QObject* parent = nullptr);
    ~CDPlayerControl() override;

    // Opens the device and picks the first music track; raises AudioTrackChange.
    void Start();
    // Stops the music and closes the device (also done when the player is destroyed).
    void End();

    // Stops when playing, plays otherwise; answers whether it plays afterwards.
    bool PlayToggle();
    void StopPlay();
    void StartPlay();
    int32_t Track() const { return mTrack; }
    void SetTrack(int32_t vData);
    // The device is open and plays.
    bool Playing();

    bool IsOpen() const { return mOpen; }
    int32_t FirstAudio() const { return mFirstAudio; }
    int32_t LastAudio() const { return mLastAudio; }
    // The last text the player reported; never shown to the user.
    const QString& LastReport() const { return mLastReport; }

signals:
    void AudioTrackChange(int NewTrack);

private:
    bool Send(const std::string& command, std::string* reply = nullptr);
    bool DeviceReportsPlaying();
    int32_t NumberOfTracks();
    int32_t PositionTrack();
    void ReportError(const QString& text);
    void ReportDeviceError();
    void Notified(CdNotify code);
    void HandleNotify(int code);

    VirtualCdDrive* mDrive;
    QTimer mUpdateTimer;
    bool mOpen = false;
    bool mPlaying = false;
    bool mTrackChanged = false;
    int32_t mTrack = 0;
    int32_t mFirstAudio = 2;
    int32_t mLastAudio = 4;
    int32_t mTrackCount = -1; // -1: the disc did not say
    bool mEnded = false;
    QString mLastReport;
};
