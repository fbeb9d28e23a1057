#pragma once

#include "ModbusSlave.h"

// The KIV device answers through the shared Modbus slave.
using KivModbusSlave = ModbusSlave;
