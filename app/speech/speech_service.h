#pragma once

#include <QObject>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/wave_image.h"
#include "speech_engine.h"
#include "synthesis_job.h"

namespace ruzdo {

class SpeechCache;
class SpeechWorker;

// The program's speech: the one caller of the engine, the cache of the
// sounds made, the listening condition they are heard under and the other
// talkers of the crowd. Sounds are made on one worker thread (unless told
// to make them on the caller's), asked ones first, then the next question's
// made ahead, then the plates', then the talkers; a sound asked for plays
// at once when it was made before.
class SpeechService : public QObject {
  Q_OBJECT
 public:
  // The built-in engine, on the worker.
  explicit SpeechService(QObject* parent);
  ~SpeechService() override;

  // Another engine, used from now on: called on the caller's thread, in
  // order, until setOnWorker(true). The sounds made by the old one go.
  void setEngine(SpeechEngine engine);
  const SpeechEngine& engine() const { return engine_; }
  void setOnWorker(bool on);
  bool onWorker() const { return onWorker_; }
  SpeechCache& cache() { return *cache_; }

  // Where the speech is heard: a listening condition's key ("" quiet) and
  // its speech-to-noise level (none where it has no noise). The crowd's and
  // the station's talkers are got once such a condition is chosen, from the
  // file at `talkersFile` when it holds them ("" keeps none), else made with
  // the engine and kept there.
  void setCondition(const std::string& key, std::optional<double> noiseDb);
  void useTalkersFile(std::string path) { talkersFile_ = std::move(path); }
  bool talkersReady() const { return talkers_ != nullptr; }
  // A sound's job under the present condition.
  SynthesisJob job(const std::string& text, int speed, const std::string& voice) const;
  // Whether the sound is at hand.
  bool made(const std::string& text, int speed, const std::string& voice) const;

  // What happened to a sound asked for: played now (the sound), failed now,
  // or on its way (`ready` or `failed` follows, unless a newer ask comes).
  struct Asked {
    enum class Kind { kNow, kFailed, kLater } kind;
    WaveRef wave;
  };
  // Asks for a sound; the newest ask wins over one on its way.
  Asked ask(const std::string& text, int speed, const std::string& voice);
  bool pending() const { return wanted_.has_value(); }

  // The next question's sound, made before the plates'.
  void makeNext(const std::string& text, int speed, const std::string& voice);
  // What the plates say, as texts and voices in the order they are wanted:
  // those not at hand are made ahead, at most `kMostMadeAhead` of them.
  using Utterance = std::pair<std::string, std::string>;  // text, voice
  static constexpr std::size_t kMostMadeAhead = 100;
  void makePlates(const std::vector<Utterance>& utterances, int speed);

  // The engine's reading of a text ("" when it cannot read it), and how many
  // readings a number's text has.
  std::string reading(const char* koe) const { return engine_.reading(koe); }
  int variantCount(const std::string& text) const { return engine_.variantCount(text.c_str()); }

 signals:
  // The sound asked for, made on the worker, or its failure.
  void ready(ruzdo::WaveRef wave);
  void failed();
  // The talkers are at hand: the sounds made ahead want making again.
  void talkersArrived();

 private:
  void startWorker();
  void arrived(const SynthesisJob& job, WaveRef wave);
  // The job with the engine's plain sound attached when it is at hand, so
  // that only the condition is left to apply.
  SynthesisJob withPlainSound(SynthesisJob job) const;
  void getTalkers();

  SpeechEngine engine_;
  std::unique_ptr<SpeechCache> cache_;
  bool onWorker_ = true;
  std::optional<SynthesisJob> wanted_;
  std::string condition_;
  std::optional<double> noiseDb_;
  std::string talkersFile_;
  std::shared_ptr<const Talkers> talkers_;
  bool talkersAsked_ = false;
  // Last: it stops before what its results go to.
  std::unique_ptr<SpeechWorker> worker_;
};

}  // namespace ruzdo
