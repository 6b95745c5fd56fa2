#pragma once
// The edit-frame contract. A frame is a QWidget that edits one configuration
// (IZEV_KonfigEditFrame) or all configurations of a group type at once
// (IZEV_MultKonfigEditFrame). The editing provider owns the data objects and
// the frame; a frame keeps no reference to an object beyond the call.
//
//   Konfig_2_Frame: copy the object into the controls.
//   Frame_2_Konfig: check the controls; when they are acceptable write every
//     value into the object and return true; otherwise show the check's
//     message and return false, and the provider stores nothing.
// Each call gets an object of its own: after a refusal the next confirmation
// starts again from the object as loaded.
//
// A frame class is registered through its class object, ACfgFrameClass<T>();
// T is a QWidget with a constructor T(QWidget* owner) and implements one of
// the two interfaces; its class name is its meta-object's.

#include "TZEV_ACfgData_Base.h"

#include <QWidget>
#include <memory>
#include <type_traits>
#include <vector>

class IZEV_KonfigEditFrame {
public:
    virtual ~IZEV_KonfigEditFrame() = default;
    virtual void Konfig_2_Frame(TZEV_ACfgData_Base& konfig) = 0;
    virtual bool Frame_2_Konfig(TZEV_ACfgData_Base& konfig) = 0;
};

// The data objects of all configurations of a group, in type-tree order.
class TZEV_ACfgDataListe {
public:
    int Count() const { return int(FObjekte.size()); }
    TZEV_ACfgData_Base& Get(int index) const { return *FObjekte.at(size_t(index)); }
    void Add(std::unique_ptr<TZEV_ACfgData_Base> konfig) { FObjekte.push_back(std::move(konfig)); }

private:
    std::vector<std::unique_ptr<TZEV_ACfgData_Base>> FObjekte;
};

class IZEV_MultKonfigEditFrame {
public:
    virtual ~IZEV_MultKonfigEditFrame() = default;
    virtual void Konfigs_2_Frame(TZEV_ACfgDataListe& konfigs) = 0;
    virtual bool Frame_2_Konfigs(TZEV_ACfgDataListe& konfigs) = 0;
};

class TZEV_ACfgFrameClass {
public:
    virtual ~TZEV_ACfgFrameClass() = default;
    virtual QString ClassName() const = 0;
    virtual bool IstEinzelFrame() const = 0;  // IZEV_KonfigEditFrame
    virtual bool IstGruppenFrame() const = 0;  // IZEV_MultKonfigEditFrame
    // A new frame, owned by owner.
    virtual QWidget* Create(QWidget* owner) const = 0;
};

template <class T>
class TZEV_ACfgFrameKlasse final : public TZEV_ACfgFrameClass {
    static_assert(std::is_base_of_v<QWidget, T>, "an edit frame is a QWidget");
    static_assert(std::is_base_of_v<IZEV_KonfigEditFrame, T> || std::is_base_of_v<IZEV_MultKonfigEditFrame, T>,
                  "an edit frame implements IZEV_KonfigEditFrame or IZEV_MultKonfigEditFrame");

public:
    static const TZEV_ACfgFrameKlasse& Instance() {
        static const TZEV_ACfgFrameKlasse cls;
        return cls;
    }
    // A frame without Q_OBJECT names itself in KlassenName.
    QString ClassName() const override {
        if constexpr (requires { T::KlassenName; })
            return QString::fromLatin1(T::KlassenName);
        else
            return QString::fromLatin1(T::staticMetaObject.className());
    }
    bool IstEinzelFrame() const override { return std::is_base_of_v<IZEV_KonfigEditFrame, T>; }
    bool IstGruppenFrame() const override { return std::is_base_of_v<IZEV_MultKonfigEditFrame, T>; }
    QWidget* Create(QWidget* owner) const override {
        auto* frame = new T(owner);
        frame->setObjectName(QString());  // several instances may exist at once
        return frame;
    }

private:
    TZEV_ACfgFrameKlasse() = default;
};

template <class T>
const TZEV_ACfgFrameClass& ACfgFrameClass() {
    return TZEV_ACfgFrameKlasse<T>::Instance();
}
