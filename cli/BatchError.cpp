#include "BatchError.h"

#include "Utf8.h"

#include <cerrno>
#include <cstring>

namespace velista::cli {

namespace {

std::string Reason(int error)
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
    case ELOOP:
        return "ссылки ведут по кругу";
    case EDQUOT:
        return "превышена квота на диске";
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
    default:
        return std::strerror(error);
    }
}

}  // namespace

BatchError FileError(const std::string& what, const std::string& name, int error)
{
    return BatchError(what + " «" + EscapeForTerminal(name) + "»: " + Reason(error));
}

}  // namespace velista::cli
