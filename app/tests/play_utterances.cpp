// Plays utterances through the real engine and the real audio output: each
// one starts GAP_MS after the one before (cutting it off if it still plays);
// the last one plays to its end. A TEXT of BEEP sounds the warning tone
// instead, which cuts nothing off; QUIT ends the program there.
//   play_utterances GAP_MS TEXT...
#include <QCoreApplication>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "core/speech_text.h"
#include "onsei/onsei.h"
#include "platform/audio_player.h"

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: play_utterances GAP_MS TEXT...\n");
    return 2;
  }
  const int gap = std::atoi(argv[1]);
  ruzdo::AudioPlayer player;
  int status = 0;
  QObject::connect(&player, &ruzdo::AudioPlayer::unavailable, [&](const QString& why) {
    std::fprintf(stderr, "no sound output: %s\n", qPrintable(why));
    status = 1;
    app.quit();
  });
  QObject::connect(&player, &ruzdo::AudioPlayer::finished, &app, &QCoreApplication::quit);
  // Everything is made before the first plays, so that the sounds start on
  // time however long the engine takes on a busy machine.
  std::vector<std::shared_ptr<const ruzdo::WaveImage>> sounds(static_cast<std::size_t>(argc));
  for (int i = 2; i < argc; ++i) {
    const std::string word = argv[i];
    if (word == "QUIT" || word == "BEEP") continue;
    const auto text = ruzdo::ToShiftJis(argv[i]);
    int size = 0;
    unsigned char* image = text ? Onsei_Synthe(text->c_str(), 100, &size) : nullptr;
    if (!image) {
      std::fprintf(stderr, "synthesis failed: %s\n", Onsei_LastError());
      return 1;
    }
    sounds[static_cast<std::size_t>(i)] = std::make_shared<const ruzdo::WaveImage>(
        image, static_cast<std::size_t>(size), Onsei_FreeWave);
  }
  for (int i = 2; i < argc; ++i) {
    QTimer::singleShot(gap * (i - 2), [&, i] {
      if (std::string(argv[i]) == "QUIT") {
        app.quit();
        return;
      }
      if (std::string(argv[i]) == "BEEP") {
        player.beep();
        return;
      }
      player.play(sounds[static_cast<std::size_t>(i)]);
    });
  }
  QTimer::singleShot(30000, &app, &QCoreApplication::quit);  // never hang
  app.exec();
  return status;
}
