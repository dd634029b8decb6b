/* The JNI types and calling convention of 64-bit Windows, for the cross
   build of the library's DLL: the JDK on the build machine brings only its
   own platform's. As every Windows JDK defines them. */
#ifndef _JAVASOFT_JNI_MD_H_
#define _JAVASOFT_JNI_MD_H_

#define JNIEXPORT __declspec(dllexport)
#define JNIIMPORT __declspec(dllimport)
#define JNICALL __stdcall

typedef long jint;
typedef __int64 jlong;
typedef signed char jbyte;

#endif
