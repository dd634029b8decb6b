// The native methods of org.example.qinghejian.Capitals. Java's strings are
// UTF-16, as the face's texts are, so each call only copies code units
// across: a lone surrogate or a NUL reaches the conversion as it is and is
// refused there. Nothing is kept between calls but the classes and
// constructors looked up once at load, so every call is thread-safe.
#include "face/face.h"

#include <jni.h>

#include <optional>
#include <string>
#include <string_view>

namespace {

using namespace qhj;

jclass g_amountError = nullptr; // AmountFormatException(String, int)
jmethodID g_amountErrorNew = nullptr;
jclass g_verdict = nullptr; // Verdict(String, boolean, String[])
jmethodID g_verdictNew = nullptr;
jclass g_string = nullptr;
jobjectArray g_noFindings = nullptr; // one empty String[] for every verdict without findings

std::u16string text(JNIEnv* env, jstring string)
{
    std::u16string units(static_cast<std::size_t>(env->GetStringLength(string)), u'\0');
    env->GetStringRegion(string, 0, static_cast<jsize>(units.size()), reinterpret_cast<jchar*>(units.data()));
    return units;
}

jstring string(JNIEnv* env, std::u16string_view units)
{
    return env->NewString(reinterpret_cast<const jchar*>(units.data()), static_cast<jsize>(units.size()));
}

// The outcome's text, or null with AmountFormatException thrown: the reason
// as the companion gives it, and where it points into the text the caller
// wrote, or -1.
jstring answer(JNIEnv* env, const face::Outcome& outcome, bool written = true)
{
    if (outcome.exact())
        return string(env, outcome.text);
    const face::Refusal refused = face::refusal(outcome, written);
    const jint position = refused.position > 0 ? static_cast<jint>(refused.position) : -1;
    if (jstring message = string(env, refused.message)) {
        if (auto* error =
                static_cast<jthrowable>(env->NewObject(g_amountError, g_amountErrorNew, message, position)))
            env->Throw(error);
    }
    return nullptr;
}

jclass globalClass(JNIEnv* env, const char* name)
{
    jclass local = env->FindClass(name);
    if (!local)
        return nullptr;
    auto* global = static_cast<jclass>(env->NewGlobalRef(local));
    env->DeleteLocalRef(local);
    return global;
}

} // namespace

extern "C" {

JNIEXPORT jint JNICALL JNI_OnLoad(JavaVM* vm, void*)
{
    JNIEnv* env = nullptr;
    if (vm->GetEnv(reinterpret_cast<void**>(&env), JNI_VERSION_1_8) != JNI_OK)
        return JNI_ERR;
    g_amountError = globalClass(env, "org/example/qinghejian/AmountFormatException");
    g_verdict = globalClass(env, "org/example/qinghejian/Verdict");
    g_string = globalClass(env, "java/lang/String");
    if (!g_amountError || !g_verdict || !g_string)
        return JNI_ERR;
    jobjectArray empty = env->NewObjectArray(0, g_string, nullptr);
    g_noFindings = empty ? static_cast<jobjectArray>(env->NewGlobalRef(empty)) : nullptr;
    if (!g_noFindings)
        return JNI_ERR;
    g_amountErrorNew = env->GetMethodID(g_amountError, "<init>", "(Ljava/lang/String;I)V");
    g_verdictNew = env->GetMethodID(g_verdict, "<init>", "(Ljava/lang/String;Z[Ljava/lang/String;)V");
    return g_amountErrorNew && g_verdictNew ? JNI_VERSION_1_8 : JNI_ERR;
}

JNIEXPORT jstring JNICALL Java_org_example_qinghejian_Capitals_toCapitals0(JNIEnv* env, jclass,
                                                                           jstring figures, jstring form,
                                                                           jboolean written)
{
    // A form's name is short ASCII; a longer one is no form's. Room for
    // three bytes a character, as modified UTF-8 may take.
    constexpr jsize kLongest = 15;
    char name[3 * kLongest + 1] = {};
    const jsize length = env->GetStringLength(form);
    if (length <= kLongest)
        env->GetStringUTFRegion(form, 0, length, name);
    const std::optional<face::Form> known = face::formNamed(name);
    if (!known) {
        if (jclass illegal = env->FindClass("java/lang/IllegalArgumentException"))
            env->ThrowNew(illegal, "qinghejian: no such form");
        return nullptr;
    }
    return answer(env, face::toCapitals(text(env, figures), *known), written);
}

JNIEXPORT jstring JNICALL Java_org_example_qinghejian_Capitals_fromCapitals0(JNIEnv* env, jclass,
                                                                             jstring capitals)
{
    return answer(env, face::fromCapitals(text(env, capitals)));
}

JNIEXPORT jobject JNICALL Java_org_example_qinghejian_Capitals_checkPair0(JNIEnv* env, jclass,
                                                                          jstring figures, jstring capitals)
{
    const face::PairVerdict verdict = face::checkPair(text(env, figures), text(env, capitals));
    const auto texts = face::findingTexts(verdict);
    jobjectArray findings = texts.empty()
        ? g_noFindings
        : env->NewObjectArray(static_cast<jsize>(texts.size()), g_string, nullptr);
    if (!findings)
        return nullptr;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        jstring finding = string(env, texts[i]);
        if (!finding)
            return nullptr;
        env->SetObjectArrayElement(findings, static_cast<jsize>(i), finding);
        env->DeleteLocalRef(finding);
    }
    jstring line = string(env, verdict.line);
    if (!line)
        return nullptr;
    return env->NewObject(g_verdict, g_verdictNew, line, static_cast<jboolean>(verdict.agrees), findings);
}

JNIEXPORT jstring JNICALL Java_org_example_qinghejian_Capitals_chequeDate0(JNIEnv* env, jclass, jstring date)
{
    return answer(env, face::chequeDate(text(env, date)));
}

JNIEXPORT jstring JNICALL Java_org_example_qinghejian_Capitals_chequeDateOf0(JNIEnv* env, jclass, jint year,
                                                                             jint month, jint day)
{
    return answer(env, face::chequeDate(year, month, day));
}

} // extern "C"
