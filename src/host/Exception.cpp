#include "Exception.h"

Exception::Exception(QString message, QString category, int number)
    : FMessage(std::move(message)), FCategory(std::move(category)), FNumber(number),
      FUtf8(FMessage.toUtf8()) {}
