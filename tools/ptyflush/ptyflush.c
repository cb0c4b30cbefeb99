// Loaded into Wine with LD_PRELOAD. Wine turns PurgeComm(PURGE_TXABORT) into tcflush(TCOFLUSH),
// which on a pty throws away request bytes the other side has not read yet. A real line would
// have sent them, so on a pty slave an output flush does nothing and TCIOFLUSH flushes input only.
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdarg.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>

static int is_pty_slave(int fd)
{
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISCHR(st.st_mode))
        return 0;
    unsigned major_no = major(st.st_rdev);
    return major_no >= 136 && major_no <= 143;
}

static int adjust(int fd, int queue)
{
    if (!is_pty_slave(fd))
        return queue;
    if (queue == TCOFLUSH)
        return -1;
    if (queue == TCIOFLUSH)
        return TCIFLUSH;
    return queue;
}

int tcflush(int fd, int queue)
{
    static int (*real_tcflush)(int, int);
    if (!real_tcflush)
        real_tcflush = (int (*)(int, int))dlsym(RTLD_NEXT, "tcflush");
    queue = adjust(fd, queue);
    return queue < 0 ? 0 : real_tcflush(fd, queue);
}

int ioctl(int fd, unsigned long request, ...)
{
    static int (*real_ioctl)(int, unsigned long, ...);
    if (!real_ioctl)
        real_ioctl = (int (*)(int, unsigned long, ...))dlsym(RTLD_NEXT, "ioctl");
    va_list args;
    va_start(args, request);
    void* arg = va_arg(args, void*);
    va_end(args);
    if (request == TCFLSH)
    {
        int queue = adjust(fd, (int)(long)arg);
        return queue < 0 ? 0 : real_ioctl(fd, request, (long)queue);
    }
    return real_ioctl(fd, request, arg);
}
