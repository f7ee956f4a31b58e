#include "speech_service.h"

#include <QMetaObject>
#include <algorithm>

#include "core/listening_condition.h"
#include "core/talkers_file.h"
#include "speech_cache.h"
#include "speech_worker.h"

namespace ruzdo {
namespace {

// Whose babble is made of other talkers.
bool babble(const std::string& key) {
  const ListeningCondition c = ConditionFromKey(key);
  return c == ListeningCondition::kCrowd || c == ListeningCondition::kStation;
}

}  // namespace

SpeechService::SpeechService(QObject* parent)
    : QObject(parent),
      engine_(SpeechEngine::Onsei()),
      // The grid has at most 100 distinct numbers: all of them fit at one
      // speed (about 15 MB of sound for 100 typical utterances), and under a
      // listening condition once more beside their plain sounds.
      cache_(std::make_unique<SpeechCache>(256, 48u << 20)) {
  startWorker();
}

SpeechService::~SpeechService() {
  worker_.reset();
  // The cached waveforms go back to the engine while it is still there.
  cache_->clear();
}

void SpeechService::setEngine(SpeechEngine engine) {
  engine_ = std::move(engine);
  onWorker_ = false;
  startWorker();
  cache_->clear();
}

void SpeechService::setOnWorker(bool on) {
  onWorker_ = on;
  startWorker();
}

void SpeechService::startWorker() {
  // The old worker finishes what it is doing first; its results still on
  // the way are kept when they come, and the talkers it had yet to make are
  // asked of the new one.
  worker_.reset();
  wanted_.reset();
  talkersAsked_ = false;
  worker_ = std::make_unique<SpeechWorker>(
      engine_.synthesise, engine_.release, [this](const SynthesisJob& job, WaveRef wave) {
        QMetaObject::invokeMethod(
            this, [this, job, wave = std::move(wave)] { arrived(job, wave); },
            Qt::QueuedConnection);
      });
  if (babble(condition_)) getTalkers();
}

void SpeechService::setCondition(const std::string& key, std::optional<double> noiseDb) {
  condition_ = key;
  noiseDb_ = noiseDb;
  if (babble(key)) getTalkers();
}

SynthesisJob SpeechService::job(const std::string& text, int speed,
                                const std::string& voice) const {
  // The level is 0 where the condition has no noise, so that those sounds
  // are keyed once.
  SynthesisJob j{text, speed, voice, {}, condition_, noiseDb_.value_or(0), nullptr};
  if (babble(condition_)) j.talkers = talkers_;
  return j;
}

bool SpeechService::made(const std::string& text, int speed, const std::string& voice) const {
  return cache_->find(job(text, speed, voice)) != nullptr;
}

SynthesisJob SpeechService::withPlainSound(SynthesisJob job) const {
  if (!job.condition.empty()) job.made = cache_->find(job.plain());
  return job;
}

SpeechService::Asked SpeechService::ask(const std::string& text, int speed,
                                        const std::string& voice) {
  const SynthesisJob j = job(text, speed, voice);
  if (WaveRef wave = cache_->find(j)) {
    // The newest request wins over one still being made.
    wanted_.reset();
    if (onWorker_) worker_->post(SpeechLane::kAsked, {});
    return {Asked::Kind::kNow, std::move(wave)};
  }
  if (onWorker_) {
    wanted_ = j;
    // One being made right now (ahead) is not made twice; one waiting to be
    // made ahead is made first.
    std::vector<SynthesisJob> jobs;
    if (!worker_->busyWith(j)) jobs.push_back(withPlainSound(j));
    worker_->post(SpeechLane::kAsked, std::move(jobs));
    return {Asked::Kind::kLater, nullptr};
  }
  WaveRef plain = cache_->find(j.plain());
  if (!plain) {
    int size = 0;
    if (unsigned char* image = engine_.synthesise(text.c_str(), speed, voice.c_str(), &size)) {
      plain =
          std::make_shared<const WaveImage>(image, static_cast<std::size_t>(size), engine_.release);
      cache_->insert(j.plain(), plain);
    }
  }
  WaveRef wave = HeardUnderCondition(j, plain);
  if (!wave) return {Asked::Kind::kFailed, nullptr};
  cache_->insert(j, wave);
  return {Asked::Kind::kNow, std::move(wave)};
}

void SpeechService::arrived(const SynthesisJob& job, WaveRef wave) {
  if (wave) cache_->insert(job, wave);
  if (!wanted_ || !(job == *wanted_)) return;
  // A failure made ahead waits for the same request's own try, if one is due.
  if (!wave && worker_->has(job)) return;
  wanted_.reset();
  if (wave)
    emit ready(std::move(wave));
  else
    emit failed();
}

void SpeechService::makeNext(const std::string& text, int speed, const std::string& voice) {
  if (!onWorker_) return;
  // Under the present condition and level; if the level moves with the
  // answer meanwhile, only the conditioning is left for the tick.
  const SynthesisJob j = job(text, speed, voice);
  if (cache_->find(j)) return;
  worker_->post(SpeechLane::kNextQuestion, {withPlainSound(j)});
}

void SpeechService::makePlates(const std::vector<Utterance>& utterances, int speed) {
  if (!onWorker_) return;
  std::vector<SynthesisJob> jobs;
  for (const auto& [text, voice] : utterances) {
    SynthesisJob j = job(text, speed, voice);
    if (jobs.size() < kMostMadeAhead && !cache_->find(j) &&
        std::find(jobs.begin(), jobs.end(), j) == jobs.end())
      jobs.push_back(withPlainSound(std::move(j)));
  }
  worker_->post(SpeechLane::kPlates, std::move(jobs));
}

void SpeechService::getTalkers() {
  if (talkers_ || talkersAsked_) return;
  talkersAsked_ = true;
  struct Getting {
    SpeechEngine::TalkerSource source;
    std::string file;
    bool found = false;
    Talkers made;
  };
  auto g = std::make_shared<Getting>(Getting{engine_.talkers, talkersFile_, false, {}});
  auto deliver = [this](Talkers talkers) {
    auto shared = std::make_shared<const Talkers>(std::move(talkers));
    QMetaObject::invokeMethod(
        this,
        [this, shared] {
          // From now on the babble has them; the sounds made ahead with the
          // utterance's own babble are made again from their plain sounds.
          talkers_ = shared;
          emit talkersArrived();
        },
        Qt::QueuedConnection);
  };
  // The file kept of an earlier run, when it holds them under the key (one
  // damaged or of another key is made anew) ...
  worker_->add([g, deliver] {
    if (g->file.empty()) return;
    if (auto kept = ReadTalkersFile(g->file, g->source.key)) {
      g->found = true;
      deliver(std::move(*kept));
    }
  });
  // ... else talker by talker, each when nothing else is wanted of the
  // engine. Only the whole set is kept: one the engine failed in part is
  // made again next time.
  for (int i = 0; i < g->source.count; ++i)
    worker_->add([g, deliver, i] {
      if (g->found) return;
      if (auto talker = g->source.make(i)) g->made.voices.push_back(std::move(*talker));
      if (i + 1 < g->source.count || g->made.voices.empty()) return;
      if (!g->file.empty() && static_cast<int>(g->made.voices.size()) == g->source.count)
        WriteTalkersFile(g->file, g->made, g->source.key);
      deliver(std::move(g->made));
    });
}

}  // namespace ruzdo
