/* Onsei: Japanese speech from phonetic text. C interface. */
#pragma once

#if defined(__GNUC__)
#define ONSEI_API __attribute__((visibility("default")))
#else
#define ONSEI_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Synthesises koe (zero-terminated Shift-JIS phonetic text) at speed 50 ... 300
 * (100 = the voice's normal rate, larger is faster). Returns a complete RIFF WAV
 * image (16-bit PCM, mono) and writes its size in bytes to *size; the caller
 * releases it with Onsei_FreeWave. Returns null on any failure; Onsei_LastError
 * then says why. Safe to call from any thread.
 * Text is refused, with a message and before any work, beyond these bounds:
 * 4096 bytes, 32 number tags, 400 moras (45 to 60 s of speech), and 120 moras
 * or 32 accent phrases between two pauses. */
ONSEI_API unsigned char* Onsei_Synthe(const char* koe, int speed, int* size);

/* Onsei_Synthe in one of the engine's voices: other speakers (men and
 * women, calm, cheerful, sad, cross ...) and the standard voice reshaped
 * (lower, higher, faster ...), every one scaled to the standard voice's
 * loudness. voice is a name as Onsei_VoiceName gives it; "standard" says
 * exactly what Onsei_Synthe says. An unknown or null name returns null, and
 * Onsei_LastError names it and lists the voices; so does a voice whose file
 * is missing. A voice's own tempo multiplies speed (the fast ones are faster
 * at any speed). Each voice is loaded at its first use. Safe to call from
 * any thread. */
ONSEI_API unsigned char* Onsei_SyntheVoice(const char* koe, int speed, const char* voice,
                                           int* size);

/* The number of voices whose files are installed (at least 1). */
ONSEI_API int Onsei_VoiceCount(void);

/* The name of voice index, 0 ... Onsei_VoiceCount() - 1; index 0 is the
 * standard voice. Null when index is out of range. The string lives as long
 * as the process. */
ONSEI_API const char* Onsei_VoiceName(int index);

/* Releases an image returned by Onsei_Synthe or Onsei_SyntheVoice. Null is
 * ignored. */
ONSEI_API void Onsei_FreeWave(unsigned char* wave);

/* The reading of koe (zero-terminated Shift-JIS phonetic text) exactly as
 * Onsei_Synthe would say it: UTF-8 hiragana with "'" after the accented mora,
 * "/" between accent phrases, "、" between breath groups and "？" after a
 * question. Returns a zero-terminated string that the caller releases with
 * Onsei_FreeText, or null (Onsei_LastError says why) when the text cannot be
 * said. Needs no voice. Safe to call from any thread. */
ONSEI_API char* Onsei_Reading(const char* koe);

/* How many readings of koe (zero-terminated Shift-JIS phonetic text) a native
 * speaker accepts: 1 when every number in it is said one way. Where a number
 * with its counter has other accepted readings (7時 しちじ or ななじ, 10本
 * じゅっぽん or じっぽん), the attribute VARIANT=n of its tag, 1 ... its count,
 * picks one: <NUMK VAL=7 COUNTER=じ VARIANT=2>. VARIANT=1, or a variant the
 * number does not have, says the usual reading; a tag without the attribute
 * says it too. For a text with one number tag, the count here is that tag's.
 * Tags without VARIANT combine, the first changing fastest (at most 256).
 * Onsei_Synthe, Onsei_SyntheVoice and Onsei_Reading read the attribute, so
 * the text says what was said. Returns 0 (Onsei_LastError says why) when the
 * text cannot be said. Needs no voice. Safe to call from any thread. */
ONSEI_API int Onsei_VariantCount(const char* koe);

/* Releases a string returned by Onsei_Reading. Null is ignored. */
ONSEI_API void Onsei_FreeText(char* text);

/* Loads the voice now rather than at the first synthesis. Returns 1 on
 * success, 0 on failure (Onsei_LastError names the voice file and the package
 * that provides it). The voice is $ONSEI_VOICE or the Debian voice
 * nitech-jp-atr503-m001. */
ONSEI_API int Onsei_LoadVoice(void);

/* The path of the voice file the engine uses. */
ONSEI_API const char* Onsei_VoicePath(void);

/* The message of the last failure on this thread; "" when there was none. */
ONSEI_API const char* Onsei_LastError(void);

#ifdef __cplusplus
}
#endif
