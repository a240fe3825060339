/* The PDF module of tessora-cli: the Qt PDF writer in a library that the
 * command-line tool loads only when it draws a PDF, so that its other
 * commands start without loading Qt. A plain C interface: the tool and the
 * module each keep their own C++ runtime. */
#pragma once

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

#define TESSORA_PDF_ENTRY "tessora_render_pdf"

struct TessoraPdfLine {
  const char* text; /* UTF-8 */
  int bold;
};

struct TessoraPdfPage {
  const char* heading; /* UTF-8 */
  const char* grid;    /* 81 characters row by row, a blank for an empty cell */
  const struct TessoraPdfLine* lines;
  int lineCount;
};

/* Receives the PDF document, or the reason why there is none. */
typedef void (*TessoraPdfSink)(void* context, const char* data, size_t size);

/* Draws the page as PDF on Qt's offscreen platform. Returns 1 and passes the
 * document to `sink`, or returns 0 and passes the reason. */
typedef int (*TessoraRenderPdf)(const struct TessoraPdfPage* page, TessoraPdfSink sink, void* context);

#ifdef __cplusplus
}
#endif
