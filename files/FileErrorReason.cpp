// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/FileErrorReason.h"

#include <cerrno>

namespace velista {

std::string FileErrorReason(int error)
{
    switch (error) {
    case ENOENT:
        return "нет такого файла или папки";
    case EACCES:
    case EPERM:
        return "нет доступа";
    case EISDIR:
        return "это папка, а не файл";
    case ENOTDIR:
        return "часть пути - не папка";
    case ENOSPC:
        return "на диске нет места";
    case EROFS:
        return "диск только для чтения";
    case EIO:
        return "ошибка ввода-вывода";
    case EFBIG:
        return "файл слишком велик";
    case ENAMETOOLONG:
        return "слишком длинное имя";
    case EPIPE:
        return "получатель вывода закрыт";
    case ELOOP:
        return "слишком много символических ссылок подряд";
    case EMFILE:
    case ENFILE:
        return "открыто слишком много файлов";
#ifdef EDQUOT  // Windows has no disk quotas in errno
    case EDQUOT:
        return "исчерпана дисковая квота";
#endif
    case EBUSY:
    case ETXTBSY:
        return "файл занят";
    case ENXIO:
    case ENODEV:
        return "устройство недоступно";
    case EEXIST:
        return "файл уже есть";
    case EXDEV:
        return "файл на другом диске";
    case ENOMEM:
        return "не хватает памяти";
    case EAGAIN:
        return "файл временно недоступен";
    case EINVAL:
        return "недопустимая операция для этого файла";
    default:
        return "системная ошибка № " + std::to_string(error);
    }
}

}  // namespace velista
