/* TKCom1: the serial link to the rain-gauge logger.
 *
 * A stateless C library: every call works on a port handle and on buffers
 * that the caller owns. It opens one COM port (resolved to a device as
 * described in docs/serial-ports.md), configures it for 9600 baud, 8 data
 * bits, no parity, one stop bit, reads and writes with 10-second time-outs,
 * and decodes the logger's fixed-size replies with their checksums.
 *
 * It does not know the order of commands or what the logger's words mean:
 * that belongs to the program's device layer.
 */
#ifndef TKCOM1_H
#define TKCOM1_H

#include <stdint.h>

#if defined(TKCOM1_BUILD)
#define TKCOM1_API __attribute__((visibility("default")))
#else
#define TKCOM1_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* A port handle. 0 never stands for an open port. */
typedef intptr_t TKHandle;

/* Transport results of the read and write calls. */
#define TK_ERR_EOF (-105)   /* the other side hung up before anything arrived */
#define TK_ERR_READ (-106)  /* the read failed (bad handle, I/O error) */
#define TK_ERR_WRITE (-107) /* the write failed (bad handle, line gone) */

#define TK_BUFFER_SIZE 4096   /* every read buffer holds at least this */
#define TK_ROM_SIZE 67        /* ROM record on the wire */
#define TK_BASE_DATA_SIZE 14  /* base data on the wire */
#define TK_BLOCK_SIZE 4096    /* one save-data block */
#define TK_DATA_SIZE 6        /* one 6-byte data record */

/* The decoded 67-byte ROM record. Word i is the little-endian pair at wire
 * bytes 1+2i and 2+2i. */
typedef struct RomRecord {
  uint8_t head;      /* wire byte 0 */
  uint16_t words[32];/* wire bytes 1..64 */
  uint8_t sumLow;    /* wire byte 65 */
  uint8_t sumHigh;   /* wire byte 66 */
} RomRecord;

/* One block of 2048 little-endian sample words, exactly as received. */
typedef struct SaveDataBlock {
  uint8_t bytes[TK_BLOCK_SIZE];
} SaveDataBlock;

/* The decoded 14-byte base data, followed by room for one block. */
typedef struct BaseDataRecord {
  uint8_t kind;        /* wire byte 0 */
  uint32_t count;      /* wire bytes 1..4: samples stored */
  uint8_t flag;        /* wire byte 5 */
  uint32_t startTime;  /* wire bytes 6..9: seconds since 1970 UTC, 0 = none */
  uint32_t elapsed;    /* wire bytes 10..13: seconds recorded */
  SaveDataBlock block; /* filled by TKGetSaveData */
} BaseDataRecord;

/* Line settings read by TKGetStatus and written by TKSetStatus. */
#define TK_NOPARITY 0
#define TK_ODDPARITY 1
#define TK_EVENPARITY 2
#define TK_MARKPARITY 3
#define TK_SPACEPARITY 4
#define TK_ONESTOPBIT 0
#define TK_ONE5STOPBITS 1 /* cannot be set on this platform */
#define TK_TWOSTOPBITS 2

typedef struct TKDCB {
  uint32_t DCBlength;   /* sizeof(TKDCB), filled in by TKGetStatus */
  uint32_t BaudRate;    /* bits per second; only the standard rates */
  uint8_t ByteSize;     /* data bits, 5..8 */
  uint8_t Parity;       /* TK_NOPARITY ... TK_SPACEPARITY */
  uint8_t StopBits;     /* TK_ONESTOPBIT or TK_TWOSTOPBITS */
  uint8_t fParity;      /* 1: parity is checked on input */
  uint8_t fOutxCtsFlow; /* 1: RTS/CTS hardware flow control */
  uint8_t fOutX;        /* 1: XON/XOFF flow control of the output */
  uint8_t fInX;         /* 1: XON/XOFF flow control of the input */
  uint8_t fBinary;      /* always 1: bytes pass unchanged */
} TKDCB;

/* Opens COM<port> for exclusive use and configures it. The queue sizes are
 * accepted for compatibility; the kernel sizes its own queues. Returns the
 * handle, or 0 when the port does not exist, is in use or cannot be set up. */
TKCOM1_API TKHandle TKOpenComm(int port, int inQueue, int outQueue);

/* Purges output then input and closes. On success stores 0 in *handle and
 * returns non-zero; a variable holding 0 (or a null pointer) gives 0. */
TKCOM1_API int TKCloseComm(TKHandle* handle);

/* Waits for room in the output queue, then writes count bytes within 10 s.
 * Returns the number written (a time-out gives fewer), 0 for a null buffer,
 * TK_ERR_WRITE when the write fails. */
TKCOM1_API int TKWriteComm(TKHandle handle, const uint8_t* buffer, int count);

/* Clears TK_BUFFER_SIZE bytes of buffer, then reads until count bytes (at
 * most TK_BUFFER_SIZE) arrived or 10 s passed. Returns the number read,
 * TK_ERR_READ on failure, TK_ERR_EOF when the line hung up and the buffer's
 * first byte is 0. */
TKCOM1_API int TKReadComm(TKHandle handle, uint8_t* buffer, int count);

/* 1 when TKReadComm delivered exactly count bytes, else 0. */
TKCOM1_API int TKGetInfo(TKHandle handle, uint8_t* buffer, int count);

/* Writes the first count (at most 6) bytes of a command frame. 0 when the
 * write failed, else 1 (a short write included). */
TKCOM1_API int TKPutROM(TKHandle handle, const uint8_t* frame, int count);

/* Writes the first count (at most 32) bytes of a start record; results as
 * TKPutROM. */
TKCOM1_API int TKPutROM_Start(TKHandle handle, const uint8_t* record, int count);

/* Decodes 67 received bytes. 1 when bytes 65..66 (little-endian) equal the
 * sum of bytes 0..64 modulo 65536; the record is filled either way. */
TKCOM1_API int TKGetROM(const uint8_t* bytes, RomRecord* record);

/* Decodes 14 received bytes into the first five fields; always 1. */
TKCOM1_API int TKGetBaseData(TKHandle handle, const uint8_t* bytes, BaseDataRecord* record);

/* Reads one 4096-byte block into record->block. 1 on success; on a short or
 * failed read 0, and the record keeps its previous contents. */
TKCOM1_API int TKGetSaveData(TKHandle handle, BaseDataRecord* record);

/* Copies a 6-byte data record; 1 when byte 5 is the sum of bytes 0..4
 * modulo 256. */
TKCOM1_API int TKGetData(const uint8_t* bytes, uint8_t* destination);

/* The little-endian value of bytes 1..2 of a valid 6-byte record, else -1. */
TKCOM1_API int TKGetData30(const uint8_t* bytes);

/* Reads the line settings; 1 on success, 0 on failure. */
TKCOM1_API int TKGetStatus(TKHandle handle, TKDCB* dcb);

/* Writes the line settings; 1 on success, 0 when the port refused them. */
TKCOM1_API int TKSetStatus(TKHandle handle, const TKDCB* dcb);

/* Direction 0 discards pending output, 1 pending input: 1 on success, 0 on
 * failure. Any other direction does nothing and is returned unchanged. */
TKCOM1_API int TKFlushComm(TKHandle handle, int direction);

/* Seconds of a recording-interval code: 1:120 2:300 3:600 4:900 5:1200
 * 6:1800 7:3600, anything else 60. */
TKCOM1_API int TKGetSecondByValue(int code);

#ifdef __cplusplus
}
#endif

#endif /* TKCOM1_H */
