(defun c:LoadDialog( / dcl_id)
   (defun init_handler()   ;Initialation_Code
       (princ)
   );End of Initial Function
   (defun set_data() ;Start Set function
       (if size_var (set_tile "size" size_var))
       (princ)
   );End of Set function
   (defun get_data() ;Start Get function
       (setq size_var (get_tile "size" ))
       (princ)
   );End of Get function
   (if (setq dcl_id (load_dialog "clusters.dcl"))
       (if (new_dialog "clusters_dlg" dcl_id)
           (progn
              (setq result nil)
              (init_handler)
              (set_data)
              (action_tile "accept" "(get_data)(done_dialog)(setq result T)")
              (start_dialog)
              (unload_dialog dcl_id)
              result
            )
        )
    )
)
