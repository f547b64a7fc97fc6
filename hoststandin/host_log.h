/* The log of what passes between the host and its plugins (--log): calls
   of entry points and services with their arguments and results. The
   end-to-end tests read it; a person may too. */
#ifndef HORALIS_HOSTSTANDIN_HOST_LOG_H
#define HORALIS_HOSTSTANDIN_HOST_LOG_H

/* 1 when the file could be opened (or path is null: logging stays off). */
int HostLogOpen(const char *path);
void HostLogClose(void);
void HostLog(const char *format, ...)
#ifdef __GNUC__
    __attribute__((format(printf, 1, 2)))
#endif
    ;
/* Text quoted for a log line: control bytes as \xNN, at most 200 bytes. */
void QuoteForLog(const char *text, int maxLength, char *out, int size);

#endif
