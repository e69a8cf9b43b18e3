// A card that takes a vehicle chosen in the vehicle picker.
#pragma once

#include <QString>

namespace common {

struct PickedVehicle {
    QString tipo, marca, modello, colore, alimentazione, targa;
};

class VehicleReceiver {
public:
    virtual ~VehicleReceiver() = default;
    // Writes the vehicle's type, make, model, colour, fuel and plate into the card; nothing else changes.
    virtual void setVehicle(const PickedVehicle& vehicle) = 0;
};

} // namespace common
