#include "pulse_channel.h"

#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>

#include <chrono>

namespace ruzdo {
namespace {

// Holds a threaded main loop's lock for a scope.
class LoopLock {
 public:
  explicit LoopLock(pa_threaded_mainloop* loop) : loop_(loop) { pa_threaded_mainloop_lock(loop_); }
  ~LoopLock() { pa_threaded_mainloop_unlock(loop_); }
  LoopLock(const LoopLock&) = delete;
  LoopLock& operator=(const LoopLock&) = delete;

 private:
  pa_threaded_mainloop* loop_;
};

}  // namespace

PulseChannel::PulseChannel(std::string name, Failed failed, Finished finished, Started started)
    : name_(std::move(name)),
      failed_(std::move(failed)),
      finished_(std::move(finished)),
      started_(std::move(started)) {
  loop_ = pa_threaded_mainloop_new();
  if (!loop_) return;
  if (pa_threaded_mainloop_start(loop_) < 0) {
    pa_threaded_mainloop_free(loop_);
    loop_ = nullptr;
    return;
  }
  LoopLock lock(loop_);
  connectContext();
}

PulseChannel::~PulseChannel() {
  if (!loop_) return;
  {
    LoopLock lock(loop_);
    sound_ = Sound();
    dropStream();
    dropContext();
  }
  // Nothing in the loop waits for the server, so this returns at once even
  // when the server has stopped answering.
  pa_threaded_mainloop_stop(loop_);
  pa_threaded_mainloop_free(loop_);
}

void PulseChannel::play(Sound sound) {
  if (!loop_) {
    if (!reported_ && failed_) failed_("no main loop");
    reported_ = true;
    return;
  }
  LoopLock lock(loop_);
  ++serial_;  // whatever plays now is cut off and never reported finished
  sound_ = std::move(sound);
  const pa_context_state_t state = context_ ? pa_context_get_state(context_) : PA_CONTEXT_FAILED;
  if (!PA_CONTEXT_IS_GOOD(state)) {
    dropStream();
    dropContext();  // the server went away: try it afresh
    connectContext();
    return;
  }
  if (state != PA_CONTEXT_READY) return;  // starts once connected
  // A sound still playing is cut off with its stream (flushing a stream
  // instead can leave it stalled for good once it has run dry). The old
  // stream goes once the new one is ready: there is always a stream that
  // keeps the server's output on a short buffer.
  if (stream_ && (streamRate_ != sound_.rate || streamChannels_ != sound_.channels ||
                  std::chrono::steady_clock::now() < busyUntil_))
    retireStream();
  if (!stream_)
    startStream();
  else if (pa_stream_get_state(stream_) == PA_STREAM_READY)
    writeSound();
  // else the stream is still connecting and takes the sound when ready
}

void PulseChannel::connectContext() {
  context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "Ruzdo");
  if (!context_) return fail("cannot create a context");
  pa_context_set_state_callback(context_, &PulseChannel::onContextState, this);
  // No autospawn: starting a server would block the caller.
  if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
    fail(pa_strerror(pa_context_errno(context_)));
}

void PulseChannel::dropContext() {
  if (!context_) return;
  pa_context_set_state_callback(context_, nullptr, nullptr);
  pa_context_disconnect(context_);
  pa_context_unref(context_);
  context_ = nullptr;
}

void PulseChannel::fail(const std::string& reason) {
  sound_ = Sound();
  if (!reported_ && failed_) failed_(reason);
  reported_ = true;
}

void PulseChannel::onContextState(pa_context* context, void* self) {
  auto* channel = static_cast<PulseChannel*>(self);
  switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY:
      if (channel->sound_.wave) channel->startStream();
      break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
      channel->dropStream();
      channel->fail(pa_strerror(pa_context_errno(context)));
      break;
    default:
      break;
  }
}

void PulseChannel::startStream() {
  if (!sound_.wave) return;
  const pa_sample_spec format{PA_SAMPLE_S16LE, static_cast<uint32_t>(sound_.rate),
                              static_cast<uint8_t>(sound_.channels)};
  if (!pa_sample_spec_valid(&format)) {
    sound_ = Sound();
    return;
  }
  stream_ = pa_stream_new(context_, name_.c_str(), &format, nullptr);
  if (!stream_) return fail(pa_strerror(pa_context_errno(context_)));
  streamRate_ = sound_.rate;
  streamChannels_ = sound_.channels;
  pa_stream_set_state_callback(stream_, &PulseChannel::onStreamState, this);
  pa_stream_set_started_callback(stream_, &PulseChannel::onStreamStarted, this);
  // A short target latency asked for explicitly: the server then runs the
  // sink with a short buffer instead of its default of up to two seconds.
  const auto tlength = static_cast<uint32_t>(pa_usec_to_bytes(kTargetLatencyUsec, &format));
  const auto none = static_cast<uint32_t>(-1);
  const pa_buffer_attr attr{none, tlength, none, none, none};
  if (pa_stream_connect_playback(stream_, nullptr, &attr, PA_STREAM_ADJUST_LATENCY, nullptr,
                                 nullptr) < 0) {
    dropStream();
    fail(pa_strerror(pa_context_errno(context_)));
  }
}

namespace {

void disconnect(pa_stream*& stream) {
  if (!stream) return;
  pa_stream_set_state_callback(stream, nullptr, nullptr);
  pa_stream_set_started_callback(stream, nullptr, nullptr);
  pa_stream_disconnect(stream);  // the server stops it at once
  pa_stream_unref(stream);
  stream = nullptr;
}

}  // namespace

void PulseChannel::dropStream() {
  disconnect(retired_);
  disconnect(stream_);
  drains_.clear();  // their operations are cancelled with the stream
  busyUntil_ = {};
}

void PulseChannel::retireStream() {
  disconnect(retired_);
  retired_ = stream_;
  stream_ = nullptr;
  drains_.clear();  // a retired stream's drain reports nothing
  busyUntil_ = {};
}

void PulseChannel::onStreamState(pa_stream* stream, void* self) {
  auto* channel = static_cast<PulseChannel*>(self);
  if (stream != channel->stream_) return;
  switch (pa_stream_get_state(stream)) {
    case PA_STREAM_READY:
      disconnect(channel->retired_);  // cuts off the sound it still plays
      channel->writeSound();
      break;
    case PA_STREAM_FAILED:
    case PA_STREAM_TERMINATED:
      channel->dropStream();
      channel->sound_ = Sound();
      break;
    default:
      break;
  }
}

void PulseChannel::writeSound() {
  if (!sound_.wave) return;
  // The stream stays open between sounds: it keeps the server's output on a
  // short buffer, so that the next sound is heard at once. The whole sound
  // goes at once: the server copies it, starts as soon as its start
  // threshold is met, and the image may go.
  Sound sound = std::move(sound_);
  sound_ = Sound();
  const auto bytesPerSecond = static_cast<double>(sound.rate) * sound.channels * 2;
  busyUntil_ = std::chrono::steady_clock::now() +
               std::chrono::microseconds(static_cast<long long>(
                   1e6 * static_cast<double>(sound.bytes) / bytesPerSecond + kTailUsec));
  if (pa_stream_write(stream_, sound.pcm, sound.bytes, nullptr, 0, PA_SEEK_RELATIVE) < 0) {
    dropStream();
    return;
  }
  // Sounds shorter than the threshold start too.
  if (pa_operation* o = pa_stream_trigger(stream_, nullptr, nullptr)) pa_operation_unref(o);
  if (pa_operation* o = pa_stream_drain(stream_, &PulseChannel::onDrained, this)) {
    drains_.push_back(serial_);
    pa_operation_unref(o);
  }
}

void PulseChannel::onStreamStarted(pa_stream* stream, void* self) {
  auto* channel = static_cast<PulseChannel*>(self);
  if (stream != channel->stream_) return;
  channel->reported_ = false;  // sound works: a later outage is told again
  if (channel->started_) channel->started_();
}

void PulseChannel::onDrained(pa_stream* stream, int success, void* self) {
  auto* channel = static_cast<PulseChannel*>(self);
  if (stream != channel->stream_ || channel->drains_.empty()) return;
  // Drains come back in the order asked; one for a sound since cut off
  // reports nothing.
  const unsigned serial = channel->drains_.front();
  channel->drains_.pop_front();
  if (success && serial == channel->serial_ && channel->finished_) channel->finished_();
}

}  // namespace ruzdo
